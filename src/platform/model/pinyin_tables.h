#pragma once
// The generated pinyin tables (pinyin_*_table.cpp, written by tools/pinyin/make_tables.py). Only
// pinyin_readings.cpp and pinyin_syllable_set.cpp read them; syllables are indices into kSyllables.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/model/pinyin_syllable.h"

namespace veyrin::pinyin_tables {

// Characters U+3400..U+9FFF (the common ideographs and extension A) are looked up directly; the
// rest (compatibility ideographs, the supplementary planes) by binary search.
inline constexpr char32_t kDenseFirst = 0x3400;
inline constexpr char32_t kDenseLast = 0x9FFF;
inline constexpr std::uint16_t kNoReading = 0xFFFF;

struct SparseReading {
    char32_t codePoint;
    std::uint16_t syllable;
};

// A word of 2 to 4 characters; syllables past its length are unused.
struct WordReading {
    std::u32string_view word;
    std::uint16_t syllables[4];
};

// A reading that holds where `context` occurs with the character at `position` inside it.
struct PoeticReading {
    std::u32string_view context;
    int position;
    std::uint16_t syllable;
    std::string_view reason;
};

extern const PinyinSyllable kSyllables[];
extern const std::size_t kSyllableCount;
extern const std::uint16_t kDenseReadings[kDenseLast - kDenseFirst + 1];
extern const SparseReading kSparseReadings[];  // sorted by code point
extern const std::size_t kSparseReadingCount;
extern const WordReading kWordReadings[];  // sorted by word
extern const std::size_t kWordReadingCount;
extern const PoeticReading kPoeticReadings[];
extern const std::size_t kPoeticReadingCount;

}  // namespace veyrin::pinyin_tables

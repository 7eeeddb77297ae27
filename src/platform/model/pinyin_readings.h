#pragma once
// Pinyin for a line of Chinese text: every Chinese character gets one syllable, chosen in this order:
//   1. a reading special to classical verse, tied to the words around the character (鹿柴 zhài,
//      一骑红尘 jì); where two such contexts hold, the longer wins;
//   2. the reading of a word of 2 to 4 characters that reads one of its characters otherwise than
//      usual (还乡 huán); the longest word covering the character wins, then the one starting first;
//   3. the character's most common reading.
// Characters with no reading (letters, digits, punctuation) get none. The tables are compiled in
// (tools/pinyin/make_tables.py writes them), so nothing is loaded at run time.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/model/pinyin_syllable.h"

namespace veyrin {

// Which table decided a character's reading.
enum class PinyinSource { None, Poetic, Word, Character };

struct PinyinReading {
    PinyinSyllable syllable;
    PinyinSource source = PinyinSource::None;

    bool hasReading() const { return source != PinyinSource::None; }
};

// One reading per code point of `text`.
std::vector<PinyinReading> pinyinReadings(std::u32string_view text);
// One reading per code point of the UTF-8 text (a broken byte counts as one code point).
std::vector<PinyinReading> pinyinReadings(std::string_view utf8);

// The character's most common reading; nullopt for a character that is not Chinese.
std::optional<PinyinSyllable> commonPinyinReading(char32_t character);

// What a pinyin search compares per character: the toneless syllable ("li") and its initial
// ("l"), both empty for a character without a reading. With these a query "libai", "li bai" or
// "lb" can be matched against 李白 by the search itself.
struct PinyinSearchKey {
    std::string_view syllable;
    std::string_view initial;
};
std::vector<PinyinSearchKey> pinyinSearchKeys(std::u32string_view text);

}  // namespace veyrin

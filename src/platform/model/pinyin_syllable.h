#pragma once
// One Mandarin syllable as the pinyin tables hold it: base letters and a tone number. The letters
// are plain ASCII with ü written "v" ("lv", "nve"), so they compare, sort and match typed queries
// as they are; only withToneMark() writes ü. Tones are 1 to 4, and 5 for the neutral tone.

#include <string>
#include <string_view>

namespace veyrin {

inline constexpr int kNeutralTone = 5;

struct PinyinSyllable {
    std::string_view letters;  // "zhao", "lv"; points into static table storage
    int tone = kNeutralTone;

    friend bool operator==(const PinyinSyllable&, const PinyinSyllable&) = default;
};

// "zhāo", "liū", "guí", "lǜ", "lü" (neutral), "ńg".
std::string withToneMark(PinyinSyllable syllable);

// "zhao1", "lv4", "de5".
std::string withToneNumber(PinyinSyllable syllable);

// The letters without the tone, for search: "zhao", "lv".
inline std::string_view toneless(PinyinSyllable syllable) { return syllable.letters; }

// The first letter, what a reader types for a syllable in an abbreviated query: "z" for "zhao",
// "l" for "li", "a" for "ai".
inline std::string_view initialLetter(PinyinSyllable syllable) { return syllable.letters.substr(0, 1); }

}  // namespace veyrin

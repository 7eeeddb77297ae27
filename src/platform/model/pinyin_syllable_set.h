#pragma once
// The syllables the readings tables hold, without tones: what a typed pinyin query may be split
// into.

#include <string_view>

namespace veyrin {

// Whether `letters` (lower case, ü written "v") spell a syllable some character reads: "li",
// "zhuang", "lve"; not "b", "lue" or "xyz".
bool isKnownSyllable(std::string_view letters);

// Whether `letters` begin some known syllable: "b" and "ba" (bai, ban …), "zhua"; not "bx".
bool beginsKnownSyllable(std::string_view letters);

}  // namespace veyrin

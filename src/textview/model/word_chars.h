#pragma once
// Character classes for selecting a word with a double click. Lines are GBK bytes; the classes
// work on whole characters, so a double-byte character is never split.
//
// Half-width bytes: 0-9, A-Z, a-z and '_' are word characters; every other byte below 0x80 (and
// the single byte 0x80) is a symbol that ends a word. The Latin-1 letter bytes 0xC0-0xFF are lead
// bytes in GBK and so normally begin a double-byte character; only a lead byte left without a
// trail byte (the last byte of a line) stands alone, and it then counts as a word character.
//
// Double-byte characters: the punctuation and symbol rows (A1-A9, and the symbol areas A840-A9A0)
// end a word, except the full-width letters and digits of row A3, kana, Greek, Cyrillic and the
// pinyin letters, which are words of their own kinds. Ideographs (B0A1-F7FE and the extension
// areas 8140-A0FE and AA40-FEA0) group together, as do the user-defined areas. So in Chinese
// text a double click selects the run of ideographs between two punctuation marks.

#include <string_view>
#include <utility>

namespace veyrin {

enum class TSynCharClass {
    symbol,           // ends a word: spaces, half- and full-width punctuation and symbols
    halfWidthWord,    // 0-9 A-Z a-z _ and a lone 0xC0-0xFF byte
    fullWidthAlnum,   // full-width letters and digits
    kana,             // hiragana and katakana
    foreignLetter,    // Greek, Cyrillic, pinyin letters
    ideograph,        // Chinese characters and user-defined characters
};

// Class of the character starting at byte `index` of `line`.
TSynCharClass classifyCharAt(std::string_view line, int index);

// The word around the caret at 1-based byte column `caretCol`, as 1-based [first, last) byte
// columns. Starts at the caret's character, or the one before it when the caret's character is a
// symbol or the caret is past the end. When neither is part of a word the range is empty at the
// caret (clamped to the line's end + 1).
std::pair<int, int> wordRangeAt(std::string_view line, int caretCol);

}  // namespace veyrin

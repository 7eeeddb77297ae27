#include "textview/model/word_chars.h"

#include "platform/model/gbk_text.h"
#include "textview/model/char_boundaries.h"

#include <gtest/gtest.h>

#include <string>

namespace veyrin {
namespace {

std::string g(const char* utf8) { return gbk::fromUtf8(utf8); }

TEST(WordChars, ClassesOfCharacters) {
    const std::string line = g("a_9 ，。床ＡあΩ") + "\x80";
    EXPECT_EQ(classifyCharAt(line, 0), TSynCharClass::halfWidthWord);
    EXPECT_EQ(classifyCharAt(line, 1), TSynCharClass::halfWidthWord);
    EXPECT_EQ(classifyCharAt(line, 3), TSynCharClass::symbol);   // space
    EXPECT_EQ(classifyCharAt(line, 4), TSynCharClass::symbol);   // full-width comma
    EXPECT_EQ(classifyCharAt(line, 6), TSynCharClass::symbol);   // full-width full stop
    EXPECT_EQ(classifyCharAt(line, 8), TSynCharClass::ideograph);
    EXPECT_EQ(classifyCharAt(line, 10), TSynCharClass::fullWidthAlnum);
    EXPECT_EQ(classifyCharAt(line, 12), TSynCharClass::kana);
    EXPECT_EQ(classifyCharAt(line, 14), TSynCharClass::foreignLetter);
    EXPECT_EQ(charLengthAt(line, 16), 1);  // a lone 0x80 is a single-byte symbol
    EXPECT_EQ(classifyCharAt(line, 16), TSynCharClass::symbol);
}

TEST(WordChars, GbkExtensionIdeographsGroupWithGb2312Ones) {
    const std::string line = "\x81\x40\xB0\xA1\xAA\x40";  // GBK/3, GB2312, GBK/4
    EXPECT_EQ(wordRangeAt(line, 3), std::make_pair(1, 7));
}

TEST(WordChars, DoubleClickSelectsChineseClause) {
    const std::string line = g("床前明月光，疑是地上霜。举头望明月");
    // Inside the second clause: from after the comma to before the full stop.
    EXPECT_EQ(wordRangeAt(line, 15), std::make_pair(13, 23));
    // First clause runs from the line start.
    EXPECT_EQ(wordRangeAt(line, 1), std::make_pair(1, 11));
    // Last clause runs to the line end; the caret past the end takes the character before it.
    EXPECT_EQ(wordRangeAt(line, static_cast<int>(line.size()) + 1), std::make_pair(25, 35));
}

TEST(WordChars, CaretOnPunctuationTakesTheCharacterBefore) {
    const std::string line = g("床前，疑是");
    EXPECT_EQ(wordRangeAt(line, 5), std::make_pair(1, 5));
}

TEST(WordChars, CaretOnTrailByteStaysInItsCharacter) {
    const std::string line = g("月光");
    EXPECT_EQ(wordRangeAt(line, 2), std::make_pair(1, 5));
}

TEST(WordChars, LatinWordsStopAtSymbolsAndClassChanges) {
    const std::string line = g("foo_bar1+baz 明月x");
    EXPECT_EQ(wordRangeAt(line, 3), std::make_pair(1, 9));
    EXPECT_EQ(wordRangeAt(line, 9), std::make_pair(1, 9));    // on '+': the word before it
    EXPECT_EQ(wordRangeAt(line, 10), std::make_pair(10, 13));
    EXPECT_EQ(wordRangeAt(line, 14), std::make_pair(14, 18));  // ideographs, not the trailing x
    EXPECT_EQ(wordRangeAt(line, 18), std::make_pair(18, 19));
}

TEST(WordChars, NoWordGivesEmptyRangeAtCaret) {
    EXPECT_EQ(wordRangeAt(g("a  ，b"), 3), std::make_pair(3, 3));
    EXPECT_EQ(wordRangeAt("", 1), std::make_pair(1, 1));
    EXPECT_EQ(wordRangeAt("  ", 9), std::make_pair(3, 3));
}

TEST(WordChars, LoneLeadByteAtLineEndIsAWordCharacter) {
    const std::string line = "ab\xC5";
    EXPECT_EQ(charLengthAt(line, 2), 1);
    EXPECT_EQ(wordRangeAt(line, 1), std::make_pair(1, 4));
}

}  // namespace
}  // namespace veyrin

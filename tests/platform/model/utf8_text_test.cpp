#include "platform/model/utf8_text.h"

#include <gtest/gtest.h>

using namespace veyrin;

TEST(Utf8Text, FirstInvalidByteFindsEveryIllFormedSequence) {
    EXPECT_EQ(utf8::firstInvalidByte("朝辞 abc"), std::nullopt);
    EXPECT_EQ(utf8::firstInvalidByte("\xF0\x9F\x98\x80"), std::nullopt);
    EXPECT_EQ(utf8::firstInvalidByte("ab\xFF"), 2u);              // never a UTF-8 byte
    EXPECT_EQ(utf8::firstInvalidByte("a\xE6\x9C"), 1u);           // cut short
    EXPECT_EQ(utf8::firstInvalidByte("\xE6\x9C" "a"), 0u);        // continuation missing
    EXPECT_EQ(utf8::firstInvalidByte("\xC0\x80"), 0u);            // overlong NUL
    EXPECT_EQ(utf8::firstInvalidByte("\xED\xA0\x80"), 0u);        // surrogate
    EXPECT_EQ(utf8::firstInvalidByte("\xF4\x90\x80\x80"), 0u);    // past U+10FFFF
    EXPECT_EQ(utf8::firstInvalidByte("\x80"), 0u);                // stray continuation
}

TEST(Utf8Text, DecodeReplacesEachBrokenByteAndKeepsTheRest) {
    EXPECT_EQ(utf8::decode("a\xE6\x9C" "b"), U"a\uFFFD\uFFFDb");
    EXPECT_EQ(utf8::encode(utf8::decode("朝 \xF0\x9F\x98\x80")), "朝 \xF0\x9F\x98\x80");
}

#include "platform/model/gbk_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace veyrin;

// A broken character is replaced on its own; the byte after it (a line break, a path separator)
// must survive, or a damaged name or line loses its structure.
TEST(GbkText, BrokenCharacterNeverSwallowsTheNextAsciiByte) {
    EXPECT_EQ(gbk::toUtf8("a\x81\nb"), "a\xEF\xBF\xBD\nb");
    EXPECT_EQ(gbk::toUtf8("\x81."), "\xEF\xBF\xBD.");
    EXPECT_EQ(gbk::toUtf8("x\x81"), "x\xEF\xBF\xBD");
    EXPECT_EQ(gbk::fromUtf8("b\xC3\n"), "b?\n");
    EXPECT_EQ(gbk::fromUtf8("\xE5\x94/x"), "?/x");
    EXPECT_EQ(gbk::fromUtf8("\xF0\x9F\x98"), "?");
}

TEST(GbkText, ValidTextRoundTrips) {
    const std::string poem = "\xB4\xB2\xC7\xB0\xC3\xF7\xD4\xC2\xB9\xE2 Tang\r\n";
    EXPECT_EQ(gbk::toUtf8(poem), "床前明月光 Tang\r\n");
    EXPECT_EQ(gbk::fromUtf8(gbk::toUtf8(poem)), poem);
}

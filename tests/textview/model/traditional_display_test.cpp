#include <gtest/gtest.h>

#include <string>

#include "platform/model/chinese_script.h"
#include "platform/model/gbk_text.h"
#include "textview/model/traditional_display.h"

namespace veyrin {
namespace {

// Double-byte characters at the same places, so no row, wrap or caret position moves.
void expectSameCells(const std::string& a, const std::string& b) {
    ASSERT_EQ(a.size(), b.size());
    for (size_t pos = 0; pos < a.size(); pos += gbk::characterLength(a, pos))
        EXPECT_EQ(gbk::characterLength(a, pos), gbk::characterLength(b, pos)) << "at byte " << pos;
}

TEST(TraditionalDisplay, ShowsTraditionalFormsChosenByTheirNeighboursInTheSameCells) {
    TSynTraditionalDisplay display(ChineseScript::shared());
    ASSERT_TRUE(display.available()) << display.problem();
    const std::string stored = gbk::fromUtf8("a 头发很长，明日出发 1");
    const std::string shown = display.traditionalLine(stored);
    EXPECT_EQ(gbk::toUtf8(shown), "a 頭髮很長，明日出發 1");
    expectSameCells(stored, shown);

    std::string scratch;
    EXPECT_EQ(display.displayLine(stored, scratch), shown);
    // Asked again (from the cache), the same.
    std::string again;
    EXPECT_EQ(display.displayLine(stored, again), shown);
}

TEST(TraditionalDisplay, LeavesWhatItCannotMatchUpAsStored) {
    TSynTraditionalDisplay display(ChineseScript::shared());
    ASSERT_TRUE(display.available());
    std::string scratch;
    // Plain ASCII comes back as the very bytes asked for.
    const std::string ascii = "Moonlight 1";
    EXPECT_EQ(display.displayLine(ascii, scratch).data(), ascii.data());
    // Damaged GBK (a lone lead byte at the end, an unused byte) keeps its length and those bytes.
    const std::string cutShort = gbk::fromUtf8("发") + "\x81";
    EXPECT_EQ(display.traditionalLine(cutShort).size(), cutShort.size());
    EXPECT_EQ(display.traditionalLine(cutShort).back(), '\x81');
    const std::string unused = "\xFF" + gbk::fromUtf8("头发");
    expectSameCells(unused, display.traditionalLine(unused));
    EXPECT_EQ(display.traditionalLine(unused).front(), '\xFF');
}

}  // namespace
}  // namespace veyrin

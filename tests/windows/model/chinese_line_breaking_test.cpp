// Chinese line breaking for exported pages: a closing mark hangs rather than start a row, two
// closing marks or an opening mark at the end carry the character before over, dash pairs and
// Latin words stay whole, verse breaks at a pause, and text with no allowed break still breaks.

#include <gtest/gtest.h>

#include "platform/model/gbk_text.h"
#include "windows/model/chinese_line_breaking.h"

namespace veyrin {
namespace {

// The rows of a UTF-8 text, back in UTF-8, so a failure reads as the page would.
std::vector<std::string> rowsOf(const char* utf8, int columns, TBreakStyle style = TBreakStyle::Prose) {
    const std::string text = gbk::fromUtf8(utf8);
    std::vector<std::string> rows;
    size_t start = 0;
    for (int length : breakIntoRows(text, columns, style)) {
        rows.push_back(gbk::toUtf8(text.substr(start, static_cast<size_t>(length))));
        start += static_cast<size_t>(length);
    }
    EXPECT_EQ(start, text.size()) << "rows lose or repeat bytes";
    return rows;
}

using Rows = std::vector<std::string>;

TEST(ChineseLineBreaking, ClosingMarkAtTheColumnHangsInTheMargin) {
    EXPECT_EQ(rowsOf("一二三四五，六七", 10), (Rows{"一二三四五，", "六七"}));
    EXPECT_EQ(rowsOf("一二三四五》", 10), (Rows{"一二三四五》"}));
    EXPECT_EQ(rowsOf("abcd efg, hij", 8), (Rows{"abcd efg, ", "hij"}));
}

TEST(ChineseLineBreaking, CarriesTheCharacterBeforeOverWhenHangingIsNotEnough) {
    EXPECT_EQ(rowsOf("一二三四五。”六七", 10), (Rows{"一二三四", "五。”六七"}));
    EXPECT_EQ(rowsOf("一二三四“五六”", 10), (Rows{"一二三四", "“五六”"}));
    EXPECT_EQ(rowsOf("一二三（四）五", 8), (Rows{"一二三", "（四）五"}));
}

TEST(ChineseLineBreaking, DashPairsAndLatinWordsStayWhole) {
    EXPECT_EQ(rowsOf("一二三四——五", 10), (Rows{"一二三四", "——五"}));
    EXPECT_EQ(rowsOf("一二三……", 6), (Rows{"一二", "三……"}));
    EXPECT_EQ(rowsOf("ab cdefgh", 6), (Rows{"ab ", "cdefgh"}));
}

TEST(ChineseLineBreaking, VerseBreaksAtItsLastPause) {
    const char* line = "洛阳城东桃李花，飞来飞去落谁家？";
    EXPECT_EQ(rowsOf(line, 20, TBreakStyle::Verse), (Rows{"洛阳城东桃李花，", "飞来飞去落谁家？"}));
    EXPECT_EQ(rowsOf(line, 20), (Rows{"洛阳城东桃李花，飞来", "飞去落谁家？"}));
    EXPECT_EQ(rowsOf(line, 32, TBreakStyle::Verse), (Rows{line}));
    // A pause that would leave the row less than half full is passed over.
    EXPECT_EQ(rowsOf("噫，一二三四五六七八九十", 12, TBreakStyle::Verse), (Rows{"噫，一二三四", "五六七八九十"}));
}

TEST(ChineseLineBreaking, BreaksHardWhereNoRuleAllowsABreak) {
    const Rows rows = rowsOf("。。。。。。。", 4);
    ASSERT_GT(rows.size(), 1u);
    for (const std::string& row : rows) EXPECT_LE(gbk::fromUtf8(row).size(), 4u + kHangingCells);
    EXPECT_EQ(rowsOf("", 10), (Rows{""}));
    // A column too narrow for one character still moves on.
    EXPECT_EQ(rowsOf("一二", 1), (Rows{"一", "二"}));
}

TEST(ChineseLineBreaking, MarksAreReadAsWholeCharacters) {
    const std::string text = gbk::fromUtf8("甲，“乙”");
    EXPECT_TRUE(isClosingMarkAt(text, 2));
    EXPECT_TRUE(isOpeningMarkAt(text, 4));
    EXPECT_TRUE(isClosingMarkAt(text, 8));
    EXPECT_FALSE(mayBreakAt(text, 2));
    EXPECT_TRUE(mayBreakAt(text, 4));
    EXPECT_FALSE(mayBreakAt(text, 6));
    EXPECT_FALSE(mayBreakAt(text, 5));
}

}  // namespace
}  // namespace veyrin

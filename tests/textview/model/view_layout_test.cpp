#include <gtest/gtest.h>

#include <vector>

#include "textview/model/caret_selection.h"
#include "textview/model/line_divider.h"
#include "textview/model/line_spacing.h"
#include "textview/model/scroll_bar_math.h"
#include "textview/model/view_metrics.h"
#include "textview/model/word_wrap_settings.h"

namespace veyrin {
namespace {

TEST(LineSpacing, RowHeightsForEachRuleAtTwelvePixels) {
    TSynViewMetrics m;
    auto rowHeight = [&m](TLineSpacingRule rule, int spacing) {
        m.setFont(6, 12, rule, spacing);
        return m.rowHeight;
    };
    EXPECT_EQ(rowHeight(lsSpecified, 0), 12);  // the main window's single spacing
    EXPECT_EQ(rowHeight(lsSingle, 0), 14);
    EXPECT_EQ(rowHeight(lsOneAndHalf, 0), 20);
    EXPECT_EQ(rowHeight(lsDouble, 0), 26);
    EXPECT_EQ(rowHeight(lsSpecified, 5), 17);
}

TEST(LineSpacing, OneAndAHalfRoundsHalvesToEven) {
    EXPECT_EQ(extraSpacingFor(lsOneAndHalf, 13, 0), 8);   // round(6.5) = 6
    EXPECT_EQ(extraSpacingFor(lsOneAndHalf, 15, 0), 10);  // round(7.5) = 8
    EXPECT_EQ(extraSpacingFor(lsOneAndHalf, 16, 0), 10);
}

TEST(ViewMetrics, CellsAndRowsThatFitTheClientArea) {
    TSynViewMetrics m;
    m.setClientSize(473, 265);
    EXPECT_EQ(m.charsInWindow, 0);  // nothing is counted before the font is known
    m.setFont(6, 12, lsDouble, 0);
    EXPECT_EQ(m.textLeft(), 2);
    EXPECT_EQ(m.charsInWindow, (473 - 2) / 6);
    EXPECT_EQ(m.linesInWindow, 265 / 26);
    m.setFont(6, 12, lsSpecified, 0);
    EXPECT_EQ(m.linesInWindow, 265 / 12);
    m.setClientSize(1, 100);
    EXPECT_EQ(m.charsInWindow, 0);
}

TEST(ViewMetrics, ClicksSnapToTheNearestBoundaryAndDragsTakeTheCell) {
    TSynViewMetrics m;
    m.setFont(6, 12, lsDouble, 0);
    m.setClientSize(200, 260);  // 10 rows of 26
    EXPECT_EQ(m.pixelToDisplay(2 + 8, 30, 1, 1, false), (TDisplayCoord{2, 2}));
    EXPECT_EQ(m.pixelToDisplay(2 + 9, 30, 1, 1, false), (TDisplayCoord{3, 2}));   // 1.5 -> 2 (even)
    EXPECT_EQ(m.pixelToDisplay(2 + 15, 30, 1, 1, false), (TDisplayCoord{3, 2}));  // 2.5 -> 2, +1
    EXPECT_EQ(m.pixelToDisplay(2 + 11, 30, 1, 1, true), (TDisplayCoord{2, 2}));
    EXPECT_EQ(m.pixelToDisplay(0, 0, 4, 1, false), (TDisplayCoord{1, 4}));
    // A click below the last whole row lands on that row; a drag goes on past it.
    EXPECT_EQ(m.pixelToDisplay(20, 500, 1, 1, false).Row, 10);
    EXPECT_EQ(m.pixelToDisplay(20, 500, 1, 1, true).Row, 20);
}

TEST(TopLine, IsClampedSoTheViewNeverScrollsPastTheEnd) {
    EXPECT_EQ(clampTopLine(50, 30, 10), 21);
    EXPECT_EQ(clampTopLine(50, 5, 10), 1);
    EXPECT_EQ(clampTopLine(-3, 30, 10), 1);
    EXPECT_EQ(clampTopLine(7, 30, 10), 7);
}

TEST(TopLine, FollowsTheCaretRowOnlyWhenItLeavesTheWindow) {
    EXPECT_EQ(topLineShowingRow(3, 5, 10), 3);
    EXPECT_EQ(topLineShowingRow(14, 5, 10), 5);
    EXPECT_EQ(topLineShowingRow(15, 5, 10), 6);
}

TEST(ScrollBar, RangePageAndPositionFollowTheRows) {
    TScrollBarInfo short_ = verticalScrollBarInfo(5, 12, 1);
    EXPECT_EQ(short_.max, 5);
    EXPECT_FALSE(short_.arrowsEnabled);
    TScrollBarInfo empty = verticalScrollBarInfo(0, 12, 1);
    EXPECT_EQ(empty.max, 1);
    TScrollBarInfo normal = verticalScrollBarInfo(100, 10, 7);
    EXPECT_EQ(normal.min, 1);
    EXPECT_EQ(normal.max, 100);
    EXPECT_EQ(normal.page, 10);
    EXPECT_EQ(normal.position, 7);
    EXPECT_TRUE(normal.arrowsEnabled);
}

TEST(ScrollBar, FortyThousandRowsAreScaledAndTheThumbReachesTheLastPage) {
    TScrollBarInfo info = verticalScrollBarInfo(40000, 20, 39981);
    EXPECT_EQ(info.min, 0);
    EXPECT_EQ(info.max, 32767);
    EXPECT_EQ(info.page, 16);
    EXPECT_EQ(info.position, mulDiv(39981, 32767, 40000));
    int top = topLineFromThumb(32767 - info.page + 1, 40000, 20);
    EXPECT_EQ(clampTopLine(top, 40000, 20), 39981);
    EXPECT_EQ(topLineFromThumb(0, 40000, 20), 0);
}

TEST(Wheel, WholeNotchesScrollAndFineDeltasAccumulate) {
    TWheelAccumulator wheel;
    EXPECT_EQ(wheel.add(60), 0);
    EXPECT_EQ(wheel.add(60), 1);
    EXPECT_EQ(wheel.add(-240), -2);
    EXPECT_EQ(wheelScrollRows(1, 3, false, 10), 3);
    EXPECT_EQ(wheelScrollRows(1, 30, false, 10), 10);
    EXPECT_EQ(wheelScrollRows(-1, 3, true, 10), -10);
}

TEST(WordWrapSettings, WrapColumnComesFromTheStyleAndFitsEightBits) {
    TSynWordWrap wrap;
    EXPECT_EQ(wrapColumnFor(wrap, 300, 80), 255);
    wrap.setStyle(wwsRightEdge);
    EXPECT_EQ(wrapColumnFor(wrap, 300, 72), 72);
    wrap.setStyle(wwsSpecified);
    wrap.setPosition(40);
    EXPECT_EQ(wrapColumnFor(wrap, 300, 72), 40);
}

TEST(SettingsObjects, ChangedValuesCallBackOnceAndEqualOnesNever) {
    TSynLineDivider divider;
    int calls = 0;
    divider.setOnChange([&calls] { ++calls; });
    divider.setVisible(true);
    divider.setVisible(true);
    divider.setColor(clSilver);
    divider.setStyle(psDashDot);
    EXPECT_EQ(calls, 3);
    TSynLineDivider copy;
    int copyCalls = 0;
    copy.setOnChange([&copyCalls] { ++copyCalls; });
    copy.Assign(divider);
    EXPECT_EQ(copyCalls, 1);
    EXPECT_EQ(copy.Style(), psDashDot);
    EXPECT_TRUE(copy.Visible());
}

TEST(CaretSelection, AnchorStaysWhileExtendingAndOrdersEitherWay) {
    TSynCaretSelection sel;
    sel.moveCaret({5, 2}, false);
    EXPECT_FALSE(sel.hasSelection());
    sel.moveCaret({2, 1}, true);
    EXPECT_EQ(sel.selectionBegin(), (TBufferCoord{2, 1}));
    EXPECT_EQ(sel.selectionEnd(), (TBufferCoord{5, 2}));
    EXPECT_TRUE(sel.contains({9, 1}));
    EXPECT_FALSE(sel.contains({5, 2}));
    sel.collapseOntoCaret();
    EXPECT_EQ(sel.anchor(), (TBufferCoord{2, 1}));
}

}  // namespace
}  // namespace veyrin

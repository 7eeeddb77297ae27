#include "textview/model/drag_scroll.h"

#include <gtest/gtest.h>

namespace veyrin {
namespace {

TEST(DragScroll, SpeedGrowsWithDistanceOutsideTheArea) {
    EXPECT_EQ(dragScrollRows(50, 100, 20, 5, false), 0);
    EXPECT_EQ(dragScrollRows(0, 100, 20, 5, false), 0);
    EXPECT_EQ(dragScrollRows(99, 100, 20, 5, false), 0);
    EXPECT_EQ(dragScrollRows(100, 100, 20, 5, false), 1);
    EXPECT_EQ(dragScrollRows(119, 100, 20, 5, false), 1);
    EXPECT_EQ(dragScrollRows(120, 100, 20, 5, false), 2);
    EXPECT_EQ(dragScrollRows(-1, 100, 20, 5, false), -1);
    EXPECT_EQ(dragScrollRows(-21, 100, 20, 5, false), -2);
}

TEST(DragScroll, ShiftScrollsByPages) {
    EXPECT_EQ(dragScrollRows(300, 100, 20, 5, true), 5);
    EXPECT_EQ(dragScrollRows(-3, 100, 20, 5, true), -5);
    EXPECT_EQ(dragScrollRows(50, 100, 20, 5, true), 0);
}

TEST(DragScroll, OutsideTheTextArea) {
    EXPECT_FALSE(isOutsideTextArea(2, 0, 2, 100, 50));
    EXPECT_TRUE(isOutsideTextArea(1, 10, 2, 100, 50));
    EXPECT_TRUE(isOutsideTextArea(10, 50, 2, 100, 50));
    EXPECT_TRUE(isOutsideTextArea(100, 10, 2, 100, 50));
}

}  // namespace
}  // namespace veyrin

#include "skin/model/magnetic_snap.h"

#include <gtest/gtest.h>

using namespace veyrin;

namespace {

const FrameRect kWorkArea{0, 0, 1024, 738};

FrameRect windowAt(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

}  // namespace

TEST(MagneticSnap, AnEdgeWithinNinePixelsSnapsAndTenDoesNot) {
    for (int gap : {-9, 9}) {
        EXPECT_EQ(snapToWorkArea(windowAt(gap, 300, 400, 200), kWorkArea, kMagneticSize).left, 0) << gap;
        EXPECT_EQ(snapToWorkArea(windowAt(300, gap, 400, 200), kWorkArea, kMagneticSize).top, 0) << gap;
        EXPECT_EQ(snapToWorkArea(windowAt(624 + gap, 300, 400, 200), kWorkArea, kMagneticSize).right, 1024) << gap;
        EXPECT_EQ(snapToWorkArea(windowAt(300, 538 + gap, 400, 200), kWorkArea, kMagneticSize).bottom, 738) << gap;
    }
    for (int gap : {-10, 10}) {
        EXPECT_EQ(snapToWorkArea(windowAt(gap, 300, 400, 200), kWorkArea, kMagneticSize), windowAt(gap, 300, 400, 200));
        EXPECT_EQ(snapToWorkArea(windowAt(624 + gap, 538 + gap, 400, 200), kWorkArea, kMagneticSize),
                  windowAt(624 + gap, 538 + gap, 400, 200));
    }
}

TEST(MagneticSnap, RightEdgeRuleWorksFromTheSnappedLeftAndKeepsTheSize) {
    // 1020 wide in 1024: left 5 snaps to 0, and from there the right edge (4 away) wins.
    FrameRect r = snapToWorkArea(windowAt(5, 100, 1020, 300), kWorkArea, kMagneticSize);
    EXPECT_EQ(r, windowAt(4, 100, 1020, 300));
    // A work area that does not start at the origin (a panel on the left and at the top).
    FrameRect shifted{64, 30, 1024, 768};
    EXPECT_EQ(snapToWorkArea(windowAt(70, 25, 300, 200), shifted, kMagneticSize), windowAt(64, 30, 300, 200));
}

TEST(MagneticSnap, MoveStepOfAMaximisedFrameKeepsItsRectangleAndSnappingCanBeOff) {
    FrameRect proposed = windowAt(3, 3, 300, 200), current = windowAt(1, 1, 1022, 736);
    EXPECT_EQ(magneticMoveStep(proposed, current, kWorkArea, {}, true), current);
    EXPECT_EQ(magneticMoveStep(proposed, current, kWorkArea, {false, kMagneticSize}, false), proposed);
    EXPECT_EQ(magneticMoveStep(proposed, current, kWorkArea, {}, false), windowAt(0, 0, 300, 200));
}

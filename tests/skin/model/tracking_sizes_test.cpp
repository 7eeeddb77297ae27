#include "skin/model/tracking_sizes.h"

#include <gtest/gtest.h>

using namespace veyrin;

namespace {

// The stored skin: a 188 x 128 frame picture around an 11/32/11/10 client inset.
FrameOutline storedSkin() { return {true, 188, 128, {11, 32, 177, 118}, 19}; }

const FrameRect kWorkArea{0, 0, 1280, 994};

}  // namespace

TEST(TrackingSizes, SkinnedMinimumIsTheFrameWithoutItsClientAndOwnLimitsOnlyWhenLarger) {
    TrackingSizes sizes = trackingSizes(storedSkin(), {}, {}, kWorkArea);
    EXPECT_EQ(sizes.minWidth, 188);
    EXPECT_EQ(sizes.minHeight, 42);
    EXPECT_EQ(trackingSizes(storedSkin(), {100, 30, 0, 0}, {}, kWorkArea).minWidth, 188);
    EXPECT_EQ(trackingSizes(storedSkin(), {100, 30, 0, 0}, {}, kWorkArea).minHeight, 42);
    TrackingSizes own = trackingSizes(storedSkin(), {300, 200, 0, 0}, {}, kWorkArea);
    EXPECT_EQ(own.minWidth, 300);
    EXPECT_EQ(own.minHeight, 200);
}

TEST(TrackingSizes, RolledUpAndMinimisedFramesIgnoreTheirOwnMinimum) {
    FrameSizeLimits limits{300, 200, 0, 0};
    TrackingSizes rolled = trackingSizes(storedSkin(), limits, {false, true}, kWorkArea);
    EXPECT_EQ(rolled.minWidth, 300);
    EXPECT_EQ(rolled.minHeight, 42);
    TrackingSizes minimised = trackingSizes(storedSkin(), limits, {true, false}, kWorkArea);
    EXPECT_EQ(minimised.minWidth, 188);
    EXPECT_EQ(minimised.minHeight, 42);
}

TEST(TrackingSizes, WithoutASkinTheBuiltInCaptionDecides) {
    FrameOutline plain;
    EXPECT_EQ(trackingSizes(plain, {}, {}, kWorkArea).minWidth, 120);
    EXPECT_EQ(trackingSizes(plain, {}, {}, kWorkArea).minHeight, 25);
    plain.builtInCaptionHeight = 15;
    EXPECT_EQ(trackingSizes(plain, {90, 0, 0, 0}, {}, kWorkArea).minWidth, 90);
    EXPECT_EQ(trackingSizes(plain, {0, 300, 0, 0}, {false, true}, kWorkArea).minHeight, 21);
}

TEST(TrackingSizes, MaximumIsTheAreaCutToTheOwnLimits) {
    TrackingSizes sizes = trackingSizes(storedSkin(), {}, {}, {0, 30, 1280, 1024});
    EXPECT_EQ(sizes.maxWidth, 1280);
    EXPECT_EQ(sizes.maxHeight, 994);
    sizes = trackingSizes(storedSkin(), {0, 0, 800, 2000}, {}, {0, 30, 1280, 1024});
    EXPECT_EQ(sizes.maxWidth, 800);
    EXPECT_EQ(sizes.maxHeight, 994);
}

TEST(TrackingSizes, DragResizeKeepsTheOppositeEdgesAndTheLimits) {
    const FrameRect start{100, 100, 500, 400};
    const TrackingSizes sizes{188, 42, 600, 500};
    EXPECT_EQ(dragResize(start, {true, false, false, false}, 350, 0, sizes), (FrameRect{312, 100, 500, 400}));
    EXPECT_EQ(dragResize(start, {false, false, true, true}, 500, 500, sizes), (FrameRect{100, 100, 700, 600}));
    EXPECT_EQ(dragResize(start, {true, true, false, false}, -20, -30, sizes), (FrameRect{80, 70, 500, 400}));
    EXPECT_EQ(dragResize(start, {false, true, false, false}, 0, 290, sizes), (FrameRect{100, 358, 500, 400}));
}

#include "platform/model/screen_scale.h"

#include <gtest/gtest.h>

#include <limits>

using namespace veyrin;

TEST(ScreenScale, RoundsTheDesktopScaleToWholeBlocksWithHalvesUp) {
    EXPECT_EQ(wholeScale(1.0), 1);
    EXPECT_EQ(wholeScale(1.25), 1);
    EXPECT_EQ(wholeScale(1.49), 1);
    EXPECT_EQ(wholeScale(1.5), 2);
    EXPECT_EQ(wholeScale(1.75), 2);
    EXPECT_EQ(wholeScale(2.0), 2);
    EXPECT_EQ(wholeScale(2.5), 3);
    EXPECT_EQ(wholeScale(3.0), 3);
    EXPECT_EQ(wholeScale(4.0), 4);
}

TEST(ScreenScale, NeverFallsBelowOneDevicePixelPerDesignPixel) {
    EXPECT_EQ(wholeScale(0.75), 1);
    EXPECT_EQ(wholeScale(0.0), 1);
    EXPECT_EQ(wholeScale(-2.0), 1);
    EXPECT_EQ(wholeScale(std::numeric_limits<double>::quiet_NaN()), 1);
    EXPECT_EQ(wholeScale(std::numeric_limits<double>::infinity()), 1);
}

TEST(ScreenScale, PicturesStopAtTheDensestDrawnSet) {
    EXPECT_EQ(pictureScale(1.25), 1);
    EXPECT_EQ(pictureScale(1.5), 2);
    EXPECT_EQ(pictureScale(3.0), 3);
    EXPECT_EQ(pictureScale(4.0), 3);
}

#include <gtest/gtest.h>

#include "controls/model/scaled_pieces.h"

using namespace veyrin;

// A strip of 3 frames 50 design pixels wide has 16-pixel frames; at 2x the frames must be 32
// device pixels (not 100 / 3 = 33) so that they stay whole blocks of the 1x frames.
TEST(ScaledPieces, FramesOfADenserStripAreTheDesignFramesTimesTheScale) {
    for (int scale : {1, 2, 3})
        for (int index : {1, 2, 3})
            EXPECT_EQ(scaledFrameRect(50 * scale, 17 * scale, 3, index, scale),
                      scaledBy(frameRect(50, 17, 3, index), scale))
                << "scale " << scale << " frame " << index;
    EXPECT_EQ(scaledFrameRect(100, 34, 3, 3, 2), (PixelRect{64, 0, 96, 34}));
    EXPECT_EQ(scaledFrameRect(75, 21, 0, 1, 3), (PixelRect{0, 0, 75, 21}));
}

TEST(ScaledPieces, NinePatchAtAScaleCutsAtTheDesignCoordinatesTimesTheScale) {
    const auto plain = ninePatchPieces(18, 21, 73, 23);
    for (int scale : {1, 2, 3}) {
        const auto dense = scaledNinePatchPieces(18 * scale, 21 * scale, 73, 23, scale);
        ASSERT_EQ(dense.size(), plain.size());
        for (size_t i = 0; i < plain.size(); ++i) {
            EXPECT_EQ(dense[i].part, plain[i].part);
            EXPECT_EQ(dense[i].source, scaledBy(plain[i].source, scale)) << "piece " << i << " at " << scale;
            EXPECT_EQ(dense[i].target, scaledBy(plain[i].target, scale)) << "piece " << i << " at " << scale;
            EXPECT_EQ(dense[i].stretched, plain[i].stretched);
        }
    }
}

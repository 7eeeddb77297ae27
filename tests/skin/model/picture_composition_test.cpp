#include "skin/model/picture_composition.h"

#include <gtest/gtest.h>

#include <vector>

using namespace veyrin;

namespace {

// The frame picture of the program's skin: 188 x 128, client 11,32,177,118, uneven anchors.
CompositionSource frameSource() {
    CompositionSource s;
    s.width = 188;
    s.height = 128;
    s.anchors.leftTop = {89, 39};
    s.anchors.rightTop = {97, 37};
    s.anchors.leftBottom = {14, 115};
    s.anchors.rightBottom = {174, 116};
    s.inner = {11, 32, 177, 118};
    return s;
}

// How often each target pixel is written, and whether every copy reads inside the picture.
std::vector<int> coverage(const CompositionSource& s, const std::vector<PictureCopy>& copies, int w, int h) {
    std::vector<int> hits(static_cast<size_t>(w * h), 0);
    for (const PictureCopy& c : copies) {
        EXPECT_GE(c.source.left, 0);
        EXPECT_GE(c.source.top, 0);
        EXPECT_LE(c.source.right, s.width);
        EXPECT_LE(c.source.bottom, s.height);
        if (c.mode == PictureCopy::Mode::Copy) {
            EXPECT_EQ(c.source.width(), c.target.width());
            EXPECT_EQ(c.source.height(), c.target.height());
        }
        for (int y = c.target.top; y < c.target.bottom; ++y)
            for (int x = c.target.left; x < c.target.right; ++x) ++hits[static_cast<size_t>(y * w + x)];
    }
    return hits;
}

}  // namespace

TEST(PictureComposition, FrameStripsCoverTheFrameOnceAndLeaveTheClientOut) {
    CompositionSource s = frameSource();
    for (auto [w, h] : {std::pair{188, 128}, {560, 703}, {1920, 1080}, {201, 131}}) {
        std::vector<PictureCopy> all;
        for (FrameStrip strip : {FrameStrip::Top, FrameStrip::Left, FrameStrip::Right, FrameStrip::Bottom}) {
            std::vector<PictureCopy> part = stripCopies(s, strip, w, h);
            FrameRect area = stripRect(s, strip, w, h);
            for (const PictureCopy& c : part) {
                EXPECT_GE(c.target.left, area.left);
                EXPECT_GE(c.target.top, area.top);
                EXPECT_LE(c.target.right, area.right);
                EXPECT_LE(c.target.bottom, area.bottom);
            }
            all.insert(all.end(), part.begin(), part.end());
        }
        std::vector<int> hits = coverage(s, all, w, h);
        FrameRect client{11, 32, w - 11, h - 10};
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x)
                ASSERT_EQ(hits[static_cast<size_t>(y * w + x)], client.contains(x, y) ? 0 : 1)
                    << w << "x" << h << " at " << x << "," << y;
    }
}

TEST(PictureComposition, CornersStayFixedAndTheMiddlesRepeatBetweenTheAnchors) {
    CompositionSource s = frameSource();
    std::vector<PictureCopy> top = stripCopies(s, FrameStrip::Top, 560, 703);
    ASSERT_EQ(top.size(), 3u);
    EXPECT_EQ(top[0], (PictureCopy{{0, 0, 89, 32}, {0, 0, 89, 32}, PictureCopy::Mode::Copy}));
    EXPECT_EQ(top[1], (PictureCopy{{89, 0, 97, 32}, {89, 0, 469, 32}, PictureCopy::Mode::Tile}));
    EXPECT_EQ(top[2], (PictureCopy{{97, 0, 188, 32}, {469, 0, 560, 32}, PictureCopy::Mode::Copy}));

    std::vector<PictureCopy> right = stripCopies(s, FrameStrip::Right, 560, 703);
    ASSERT_EQ(right.size(), 3u);
    EXPECT_EQ(right[1].source, (FrameRect{177, 37, 188, 116}));
    EXPECT_EQ(right[1].target, (FrameRect{549, 37, 560, 691}));

    s.anchors.topStretch = true;
    EXPECT_EQ(stripCopies(s, FrameStrip::Top, 560, 703)[1].mode, PictureCopy::Mode::Stretch);
}

TEST(PictureComposition, WholePictureFillsEveryPixelOnce) {
    // The hint picture: 42 x 22, client 12,3,38,19.
    CompositionSource hint;
    hint.width = 42;
    hint.height = 22;
    hint.anchors = {{13, 7}, {38, 3}, {12, 17}, {37, 18}};
    hint.inner = {12, 3, 38, 19};
    for (auto [w, h] : {std::pair{42, 22}, {97, 22}, {120, 40}}) {
        std::vector<int> hits = coverage(hint, composedPictureCopies(hint, w, h), w, h);
        for (int i = 0; i < w * h; ++i) ASSERT_EQ(hits[static_cast<size_t>(i)], 1) << w << "x" << h << " pixel " << i;
    }
}

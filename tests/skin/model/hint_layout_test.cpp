#include "skin/model/hint_layout.h"

#include <gtest/gtest.h>

using namespace veyrin;

namespace {

// The stored skin's hint picture: 42 x 22, anchors LT (13,7), RT (38,3), LB (12,17), RB (37,18),
// client rectangle 12,3,38,19.
CompositionSource storedHintPicture() {
    TbsDataSkinHintWindow hint;
    hint.windowPictureIndex = 3;
    hint.anchors.leftTop = {13, 7};
    hint.anchors.rightTop = {38, 3};
    hint.anchors.leftBottom = {12, 17};
    hint.anchors.rightBottom = {37, 18};
    hint.clientRect = {12, 3, 38, 19};
    return hintPictureSource(hint, 42, 22);
}

}  // namespace

TEST(HintSize, SkinnedHintIsAtLeastThePictureAndGrowsByTheInsets) {
    CompositionSource picture = storedHintPicture();
    // A one-word hint fits inside the picture's client rectangle (26 x 16).
    EXPECT_EQ(skinnedHintSize(picture, 20, 14), (HintSize{42, 22}));
    // Insets: 12 left + 4 right, 3 top + 3 bottom.
    EXPECT_EQ(skinnedHintSize(picture, 100, 14), (HintSize{116, 22}));
    EXPECT_EQ(skinnedHintSize(picture, 100, 40), (HintSize{116, 46}));
    EXPECT_EQ(plainHintSize(100, 14), (HintSize{104, 18}));
}

TEST(HintSize, ClientRectangleAndAnchorsFollowTheSize) {
    HintGeometry g = scaledHintGeometry(storedHintPicture(), {116, 46});
    EXPECT_EQ(g.clientRect, (FrameRect{12, 3, 112, 43}));
    EXPECT_EQ(g.anchors.leftTop, (FramePoint{13, 7}));
    EXPECT_EQ(g.anchors.rightTop, (FramePoint{112, 3}));
    EXPECT_EQ(g.anchors.leftBottom, (FramePoint{12, 41}));
    EXPECT_EQ(g.anchors.rightBottom, (FramePoint{111, 42}));
}

TEST(HintPosition, JumpsToTheOtherSideOfThePointAtTheRightAndBottomEdges) {
    const FrameRect screen{0, 0, 800, 600};
    const HintSize size{116, 22};
    EXPECT_EQ(hintPosition({100, 100}, size, screen), (FramePoint{100, 100}));
    EXPECT_EQ(hintPosition({684, 578}, size, screen), (FramePoint{684, 578}));  // touches both edges
    EXPECT_EQ(hintPosition({685, 100}, size, screen), (FramePoint{685 - 118, 100}));
    EXPECT_EQ(hintPosition({100, 579}, size, screen), (FramePoint{100, 579 - 24}));
    EXPECT_EQ(hintPosition({790, 590}, size, screen), (FramePoint{790 - 118, 590 - 24}));
    // The edge is the screen's own, wherever that screen sits.
    EXPECT_EQ(hintPosition({1700, 100}, size, {800, 0, 1824, 768}), (FramePoint{1700, 100}));
}

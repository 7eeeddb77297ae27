#include "skin/model/frame_geometry.h"

#include <gtest/gtest.h>

using namespace veyrin;

TEST(BuiltInFrame, ClientRectangleIsInsetByBordersAndCaption) {
    BuiltInFrame frame;
    EXPECT_EQ(frame.windowWidth(538), 544);
    EXPECT_EQ(frame.windowHeight(661), 686);
    FrameRect client = frame.clientRect(544, 686);
    EXPECT_EQ(client.left, 3);
    EXPECT_EQ(client.top, 22);
    EXPECT_EQ(client.width(), 538);
    EXPECT_EQ(client.height(), 661);

    BuiltInFrame tool{true};
    EXPECT_EQ(tool.clientRect(100, 100).top, 18);
}

TEST(BuiltInFrame, HitTestingOfAFixedWindow) {
    BuiltInFrame frame;
    EXPECT_EQ(frame.hitTest(544, 686, 100, 10, false), FrameHit::Caption);
    EXPECT_EQ(frame.hitTest(544, 686, 100, 100, false), FrameHit::Client);
    EXPECT_EQ(frame.hitTest(544, 686, 1, 100, false), FrameHit::Object);  // border, not sizable
    EXPECT_EQ(frame.hitTest(544, 686, 0, 0, false), FrameHit::Object);
    FrameRect close = frame.closeButtonRect(544);
    EXPECT_EQ(frame.hitTest(544, 686, close.left + 2, close.top + 2, false), FrameHit::Object);
    EXPECT_TRUE(close.right <= 541 && close.top >= 3 && close.bottom <= 22);
}

TEST(BuiltInFrame, ResizeZonesOfASizableWindow) {
    BuiltInFrame frame;
    const int w = 300, h = 200;
    EXPECT_EQ(frame.hitTest(w, h, 2, 100, true), FrameHit::Left);
    EXPECT_EQ(frame.hitTest(w, h, 3, 100, true), FrameHit::Client);  // past the zone
    EXPECT_EQ(frame.hitTest(w, h, w - 2, 100, true), FrameHit::Right);
    EXPECT_EQ(frame.hitTest(w, h, 100, 2, true), FrameHit::Top);
    EXPECT_EQ(frame.hitTest(w, h, 100, h - 2, true), FrameHit::Bottom);
    EXPECT_EQ(frame.hitTest(w, h, 0, 0, true), FrameHit::TopLeft);
    EXPECT_EQ(frame.hitTest(w, h, w - 1, 0, true), FrameHit::TopRight);
    EXPECT_EQ(frame.hitTest(w, h, 0, h - 1, true), FrameHit::BottomLeft);
    EXPECT_EQ(frame.hitTest(w, h, w - 1, h - 1, true), FrameHit::BottomRight);
    EXPECT_EQ(frame.hitTest(w, h, 100, 10, true), FrameHit::Caption);
}

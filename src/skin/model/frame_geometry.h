#pragma once
// The window frame drawn around every window's client area while no skin is loaded: 3-pixel
// borders and a 19-pixel caption (15 for tool windows). Hit-testing is a pure function of the
// window size and the point, so moving and sizing need no window manager.

#include "skin/model/frame_rect.h"

namespace veyrin {

enum class FrameHit {
    Client,
    Caption,
    Object,  // the frame's own buttons and the border strips that do nothing
    Left, Right, Top, Bottom, TopLeft, TopRight, BottomLeft, BottomRight,
};

struct BuiltInFrame {
    static constexpr int kBorder = 3;
    static constexpr int kCaptionHeight = 19;
    static constexpr int kToolCaptionHeight = 15;
    static constexpr int kResizeZone = 2;
    static constexpr int kButtonSize = 16;

    bool toolWindow = false;

    int captionHeight() const { return toolWindow ? kToolCaptionHeight : kCaptionHeight; }
    // Window size for a given client size, and the client rectangle inside a window of a size.
    int windowWidth(int clientWidth) const { return clientWidth + 2 * kBorder; }
    int windowHeight(int clientHeight) const { return clientHeight + captionHeight() + 2 * kBorder; }
    FrameRect clientRect(int width, int height) const;
    FrameRect captionRect(int width) const;
    FrameRect closeButtonRect(int width) const;
    FrameHit hitTest(int width, int height, int x, int y, bool resizable) const;
};

}  // namespace veyrin

#include "skin/model/frame_geometry.h"

namespace veyrin {

FrameRect BuiltInFrame::clientRect(int width, int height) const {
    return {kBorder, captionHeight() + kBorder, width - kBorder, height - kBorder};
}

FrameRect BuiltInFrame::captionRect(int width) const { return {kBorder, kBorder, width - kBorder, kBorder + captionHeight()}; }

FrameRect BuiltInFrame::closeButtonRect(int width) const {
    FrameRect caption = captionRect(width);
    int size = captionHeight() - 4;
    int top = caption.top + (caption.height() - size) / 2;
    return {caption.right - 2 - size, top, caption.right - 2, top + size};
}

FrameHit BuiltInFrame::hitTest(int width, int height, int x, int y, bool resizable) const {
    if (closeButtonRect(width).contains(x, y)) return FrameHit::Object;
    if (resizable) {
        bool left = x <= kResizeZone, right = x >= width - kResizeZone;
        bool top = y <= kResizeZone, bottom = y >= height - kResizeZone;
        if (top && left) return FrameHit::TopLeft;
        if (top && right) return FrameHit::TopRight;
        if (bottom && left) return FrameHit::BottomLeft;
        if (bottom && right) return FrameHit::BottomRight;
        if (left) return FrameHit::Left;
        if (right) return FrameHit::Right;
        if (top) return FrameHit::Top;
        if (bottom) return FrameHit::Bottom;
    }
    if (captionRect(width).contains(x, y)) return FrameHit::Caption;
    if (clientRect(width, height).contains(x, y)) return FrameHit::Client;
    return FrameHit::Object;
}

}  // namespace veyrin

#pragma once
// Where everything of a skinned frame sits for a frame of a given size: the skin describes a frame
// picture of W0 x H0 whose corners stay fixed while the edges grow with the window, so every
// rectangle and point moves with the corner it belongs to.

#include "skin/model/frame_rect.h"
#include "skin/model/skin_data.h"

namespace veyrin {

struct FrameSize {
    int width = 0, height = 0;
    friend constexpr bool operator==(const FrameSize&, const FrameSize&) = default;
};

// The frame's picture: its size and its "FORMINFO".
struct SkinFrameLayout {
    int pictureWidth = 0, pictureHeight = 0;
    TbsFormInfo formInfo;

    int leftInset() const { return formInfo.clientRect.left; }
    int topInset() const { return formInfo.clientRect.top; }
    int rightInset() const { return pictureWidth - formInfo.clientRect.right; }
    int bottomInset() const { return pictureHeight - formInfo.clientRect.bottom; }
    FrameSize windowSizeForClient(int clientWidth, int clientHeight) const;
};

struct SkinFrameGeometry {
    int width = 0, height = 0;
    int dx = 0, dy = 0;  // how much the frame is larger than its picture
    FramePoint leftTop, rightTop, leftBottom, rightBottom;
    FrameRect clientRect, captionRect, buttonsRect;
    bool buttonsInLeft = false;
    FramePoint hitTestLeftTop, hitTestRightTop, hitTestLeftBottom, hitTestRightBottom;
    FrameRect maskRectArea;
};

SkinFrameGeometry skinFrameGeometry(const SkinFrameLayout& layout, int width, int height);

// Where an object whose look is part of the frame picture sits in a frame of this geometry: it
// moves with the corner zone holding it, or stretches across the zones it spans.
FrameRect placeFrameObject(const SkinFrameLayout& layout, const SkinFrameGeometry& geometry, const FrameRect& skinRect);

// The smallest frame the skin can draw. A frame below it is not painted.
struct FrameLimits {
    int minWidth = 0, minHeight = 0;  // the form's own limits, 0 for none
    bool minimised = false, rolledUp = false;
};
FrameSize skinMinimumFrameSize(const SkinFrameLayout& layout, const FrameLimits& limits);
FrameSize builtInMinimumFrameSize(int captionHeight, const FrameLimits& limits);

}  // namespace veyrin

#pragma once
// Which part of a skinned frame a point is over: the answer drives the move and size loops, and
// "object" marks the frame's own buttons.

#include <vector>

#include "skin/model/frame_geometry.h"
#include "skin/model/skin_frame_geometry.h"
#include "skin/model/window_shape.h"

namespace veyrin {

struct SkinHitContext {
    const SkinFrameGeometry* geometry = nullptr;
    const WindowShape* shape = nullptr;  // null when the skin has no mask
    std::vector<FrameRect> captionObjects;
    int borderWidth = 0;
    bool resizable = false;
    bool maximisedByFrame = false;
    bool rolledUpOrMinimised = false;
    bool objectHot = false;
    bool moveSizeLoop = false;
};

FrameHit skinHitTest(const SkinHitContext& context, int x, int y);

}  // namespace veyrin

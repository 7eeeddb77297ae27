#pragma once
// The outline of a skinned window: the mask's always-inside rectangle plus, in the four strips
// around it, the runs of black mask pixels, rebuilt at the frame size with the same fixed-corner /
// repeated-middle rule as the painted frame.

#include <vector>

#include "skin/model/frame_rect.h"
#include "skin/model/picture_composition.h"
#include "skin/model/skin_bitmap.h"

namespace veyrin {

class WindowShape {
public:
    // A strip with more black runs than this keeps only the first ones; masks must stay below it.
    static constexpr int kMaxRunsPerStrip = 10000;

    WindowShape() = default;
    // `layout` describes the mask picture (its size, anchors and client rectangle), `maskRectArea`
    // is already in window coordinates.
    WindowShape(const SkinBitmap& mask, const CompositionSource& layout, const FrameRect& maskRectArea, int width,
                int height);

    const FrameRect& maskRectArea() const { return maskRectArea_; }
    // One-pixel-high rectangles in window coordinates, row by row within each strip.
    const std::vector<FrameRect>& runs() const { return runs_; }
    bool contains(int x, int y) const;

private:
    FrameRect maskRectArea_;
    std::vector<FrameRect> runs_;
};

}  // namespace veyrin

#pragma once
// Where a hint window goes and how big it is. A skinned hint wraps its text in the skin's hint
// picture (never smaller than the picture); a plain hint is the text with a 2-pixel margin. The
// picture's client rectangle and anchor points follow the size, the same way the frame's do.

#include "skin/model/frame_rect.h"
#include "skin/model/picture_composition.h"
#include "skin/model/skin_data.h"

namespace veyrin {

struct HintSize {
    int width = 0, height = 0;
    friend bool operator==(const HintSize&, const HintSize&) = default;
};

// The hint picture composed to one size: its client rectangle and anchor points there.
struct HintGeometry {
    HintSize size;
    FrameRect clientRect;
    SkinAnchors anchors;
};

inline constexpr int kPlainHintMargin = 2;
// A hint that would cross a screen edge jumps to the other side of its point, this far beyond it.
inline constexpr int kHintEdgeGap = 2;

// The hint picture as composition sees it: picture size, anchors, client rectangle as inner part.
CompositionSource hintPictureSource(const TbsDataSkinHintWindow& hint, int pictureWidth, int pictureHeight);

// A skinned hint for text of `textWidth` x `textHeight`: the text plus the picture's insets around
// its client rectangle, at least the picture itself.
HintSize skinnedHintSize(const CompositionSource& picture, int textWidth, int textHeight);
HintSize plainHintSize(int textWidth, int textHeight);

// The picture's client rectangle and anchors scaled to `size`: right-hand points and the right
// edge move by the extra width, lower points and the bottom edge by the extra height.
HintGeometry scaledHintGeometry(const CompositionSource& picture, HintSize size);

// The hint's top-left corner for a hint requested at `at` on a screen spanning `screen`.
FramePoint hintPosition(FramePoint at, HintSize size, const FrameRect& screen);

}  // namespace veyrin

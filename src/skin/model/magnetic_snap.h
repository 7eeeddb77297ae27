#pragma once
// Magnetic snapping while a window is dragged: an edge that comes near a work-area edge jumps onto
// it. Runs for every pointer move of the move loop, so it is plain arithmetic with no allocation.

#include "skin/model/frame_rect.h"

namespace veyrin {

// The default distance of the frames of this program: an edge snaps when it is within 9 pixels.
inline constexpr int kMagneticSize = 10;

struct MagneticSettings {
    bool magnetic = true;
    int magneticSize = kMagneticSize;
};

// Where a window of the proposed rectangle lands inside `workArea`. Left and top are settled
// first; the right-edge rule then works from the possibly changed left, so a window wider than
// the gap between the two rules ends at the right edge. The size never changes.
FrameRect snapToWorkArea(const FrameRect& proposed, const FrameRect& workArea, int magneticSize);

// One step of the move loop: a maximised frame cannot be dragged and keeps `current`; otherwise
// the proposal is snapped when snapping is on.
FrameRect magneticMoveStep(const FrameRect& proposed, const FrameRect& current, const FrameRect& workArea,
                           const MagneticSettings& settings, bool maximised);

}  // namespace veyrin

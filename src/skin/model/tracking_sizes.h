#pragma once
// The smallest and largest size a frame may be given by the size loop (and by roll-up and
// minimising, which shrink a window to the smallest size).

#include "skin/model/frame_rect.h"

namespace veyrin {

// The limits a frame sets itself; 0 means no limit.
struct FrameSizeLimits {
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
};

// What the frame looks like: with a skin its picture size and client rectangle decide how small
// it can get; without one the built-in caption height does.
struct FrameOutline {
    bool skinned = false;
    int pictureWidth = 0, pictureHeight = 0;
    FrameRect skinClientRect;
    int builtInCaptionHeight = 19;
};

struct FrameSizeState {
    bool minimised = false;
    bool rolledUp = false;
};

struct TrackingSizes {
    int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
};

// Without a skin the frame is never narrower than this.
inline constexpr int kBuiltInMinWidth = 120;

int minimumTrackWidth(const FrameOutline& outline, const FrameSizeLimits& limits, const FrameSizeState& state);
int minimumTrackHeight(const FrameOutline& outline, const FrameSizeLimits& limits, const FrameSizeState& state);

// `maximiseArea` is the monitor's work area, or the whole monitor when the frame maximises over
// the full screen.
TrackingSizes trackingSizes(const FrameOutline& outline, const FrameSizeLimits& limits, const FrameSizeState& state,
                            const FrameRect& maximiseArea);

// The edges a size loop drags.
struct DragEdges {
    bool left = false, top = false, right = false, bottom = false;
};

// The rectangle after dragging `edges` of `start` by (dx, dy): the opposite edges stay put and the
// size stays within the tracking sizes (a maximum of 0 is no limit).
FrameRect dragResize(const FrameRect& start, DragEdges edges, int dx, int dy, const TrackingSizes& sizes);

}  // namespace veyrin

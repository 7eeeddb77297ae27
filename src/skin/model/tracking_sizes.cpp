#include "skin/model/tracking_sizes.h"

#include <algorithm>

namespace veyrin {
namespace {

int cutTo(int size, int limit) { return limit > 0 ? std::min(size, limit) : size; }

// The length of one side after a drag, kept between the minimum and the maximum.
int keptWithin(int length, int minimum, int maximum) {
    if (maximum > 0) length = std::min(length, std::max(maximum, minimum));
    return std::max(length, minimum);
}

}  // namespace

int minimumTrackWidth(const FrameOutline& outline, const FrameSizeLimits& limits, const FrameSizeState& state) {
    const bool ownLimit = limits.minWidth > 0 && !state.minimised;
    if (!outline.skinned) return ownLimit ? limits.minWidth : kBuiltInMinWidth;
    return ownLimit ? std::max(outline.pictureWidth, limits.minWidth) : outline.pictureWidth;
}

int minimumTrackHeight(const FrameOutline& outline, const FrameSizeLimits& limits, const FrameSizeState& state) {
    const bool ownLimit = limits.minHeight > 0 && !state.minimised && !state.rolledUp;
    if (!outline.skinned) return ownLimit ? limits.minHeight : outline.builtInCaptionHeight + 6;
    const int frameOnly = outline.pictureHeight - outline.skinClientRect.height();
    return ownLimit ? std::max(frameOnly, limits.minHeight) : frameOnly;
}

TrackingSizes trackingSizes(const FrameOutline& outline, const FrameSizeLimits& limits, const FrameSizeState& state,
                            const FrameRect& maximiseArea) {
    return {minimumTrackWidth(outline, limits, state), minimumTrackHeight(outline, limits, state),
            cutTo(maximiseArea.width(), limits.maxWidth), cutTo(maximiseArea.height(), limits.maxHeight)};
}

FrameRect dragResize(const FrameRect& start, DragEdges edges, int dx, int dy, const TrackingSizes& sizes) {
    FrameRect r = start;
    if (edges.left) r.left = start.right - keptWithin(start.width() - dx, sizes.minWidth, sizes.maxWidth);
    if (edges.right) r.right = start.left + keptWithin(start.width() + dx, sizes.minWidth, sizes.maxWidth);
    if (edges.top) r.top = start.bottom - keptWithin(start.height() - dy, sizes.minHeight, sizes.maxHeight);
    if (edges.bottom) r.bottom = start.top + keptWithin(start.height() + dy, sizes.minHeight, sizes.maxHeight);
    return r;
}

}  // namespace veyrin

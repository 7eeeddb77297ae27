#include "skin/model/tracking_sizes.h"

#include <algorithm>

namespace veyrin {
namespace {

int cutTo(int size, int limit) { return limit > 0 ? std::min(size, limit) : size; }

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

}  // namespace veyrin

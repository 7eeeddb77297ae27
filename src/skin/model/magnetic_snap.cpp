#include "skin/model/magnetic_snap.h"

#include <cstdlib>

namespace veyrin {
namespace {

bool near(int a, int b, int magneticSize) { return std::abs(a - b) < magneticSize; }

}  // namespace

FrameRect snapToWorkArea(const FrameRect& proposed, const FrameRect& workArea, int magneticSize) {
    const int width = proposed.width(), height = proposed.height();
    int left = proposed.left, top = proposed.top;
    if (near(left, workArea.left, magneticSize)) left = workArea.left;
    if (near(top, workArea.top, magneticSize)) top = workArea.top;
    if (near(left + width, workArea.right, magneticSize)) left = workArea.right - width;
    if (near(top + height, workArea.bottom, magneticSize)) top = workArea.bottom - height;
    return {left, top, left + width, top + height};
}

FrameRect magneticMoveStep(const FrameRect& proposed, const FrameRect& current, const FrameRect& workArea,
                           const MagneticSettings& settings, bool maximised) {
    if (maximised) return current;
    if (!settings.magnetic) return proposed;
    return snapToWorkArea(proposed, workArea, settings.magneticSize);
}

}  // namespace veyrin

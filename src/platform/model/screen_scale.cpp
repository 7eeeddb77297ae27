#include "platform/model/screen_scale.h"

#include <algorithm>
#include <cmath>

namespace veyrin {

namespace {
constexpr int kDensestPictures = 3;
}

int wholeScale(double desktopScale) {
    if (!std::isfinite(desktopScale)) return 1;
    return static_cast<int>(std::clamp(std::floor(desktopScale + 0.5), 1.0, 64.0));
}

int pictureScale(double desktopScale) { return std::min(wholeScale(desktopScale), kDensestPictures); }

}  // namespace veyrin

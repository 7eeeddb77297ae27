#include "skin/model/skin_scale.h"

#include <algorithm>
#include <cmath>

namespace veyrin {

FrameRect scaledSkinRect(const FrameRect& r, int scale) {
    return {r.left * scale, r.top * scale, r.right * scale, r.bottom * scale};
}

SkinBitmap enlargedBitmap(const SkinBitmap& bitmap, int scale) {
    SkinBitmap out;
    if (bitmap.isEmpty() || scale < 1) return out;
    out.width = bitmap.width * scale;
    out.height = bitmap.height * scale;
    out.bitsPerPixel = bitmap.bitsPerPixel;
    out.pixels.reserve(static_cast<std::size_t>(out.width) * static_cast<std::size_t>(out.height));
    for (int y = 0; y < out.height; ++y) {
        for (int x = 0; x < out.width; ++x) out.pixels.push_back(bitmap.pixel(x / scale, y / scale));
    }
    return out;
}

std::string scaledPictureName(const std::string& name, int scale) {
    if (scale <= 1 || name.empty()) return name;
    const std::size_t slash = name.find_last_of("/\\");
    std::size_t dot = name.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) dot = name.size();
    return name.substr(0, dot) + "@" + std::to_string(scale) + "x" + name.substr(dot);
}

}  // namespace veyrin

#include "skin/model/morph_blend.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace veyrin {
namespace {

std::uint32_t channel(std::uint32_t pixel, int shift) { return (pixel >> shift) & 0xFFu; }

PixelBlock sameSize(const PixelBlock& like) {
    PixelBlock out{like.width, like.height, {}};
    out.pixels.resize(like.pixels.size());
    return out;
}

template <typename Weight>
PixelBlock mixByWeight(const PixelBlock& normal, const PixelBlock& hot, Weight normalWeightAt) {
    PixelBlock out = sameSize(normal);
    for (int y = 0; y < normal.height; ++y) {
        for (int x = 0; x < normal.width; ++x) {
            out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(normal.width) + static_cast<std::size_t>(x)] =
                mixPixels(normal.at(x, y), hot.at(x, y), normalWeightAt(x, y));
        }
    }
    return out;
}

// The hot look sweeps in from one side: the normal look's weight rises from 0 at that side by
// 1/a per pixel, a being the factor's share of the length.
double sweepWeight(int distance, int length, double factor) {
    int a = static_cast<int>(std::lround(length * factor));
    a = std::clamp(a, 1, std::max(1, length - 1));
    return std::min(1.0, static_cast<double>(distance) / a);
}

template <typename Source>
PixelBlock pickByColumn(const PixelBlock& normal, Source sourceAt) {
    PixelBlock out = sameSize(normal);
    for (int y = 0; y < normal.height; ++y) {
        for (int x = 0; x < normal.width; ++x) {
            out.pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(normal.width) + static_cast<std::size_t>(x)] = sourceAt(x, y);
        }
    }
    return out;
}

}  // namespace

std::uint32_t mixPixels(std::uint32_t normal, std::uint32_t hot, double normalWeight) {
    std::uint32_t result = 0;
    for (int shift : {0, 8, 16}) {
        double value = normalWeight * channel(normal, shift) + (1.0 - normalWeight) * channel(hot, shift);
        result |= static_cast<std::uint32_t>(std::clamp(std::lround(value), 0L, 255L)) << shift;
    }
    return result;
}

PixelBlock blendMorph(TbsMorphKind kind, const PixelBlock& normal, const PixelBlock& hot, double factor) {
    const int w = normal.width, h = normal.height;
    const int shift = static_cast<int>(std::lround(w * factor));
    switch (kind) {
    case TbsMorphKind::mkLeftGradient:
        return mixByWeight(normal, hot, [&](int x, int) { return sweepWeight(x, w, factor); });
    case TbsMorphKind::mkRightGradient:
        return mixByWeight(normal, hot, [&](int x, int) { return sweepWeight(w - 1 - x, w, factor); });
    case TbsMorphKind::mkGradient:
        if (w >= h) return mixByWeight(normal, hot, [&](int x, int) { return sweepWeight(std::abs(2 * x - (w - 1)) / 2, (w + 1) / 2, factor); });
        return mixByWeight(normal, hot, [&](int, int y) { return sweepWeight(std::abs(2 * y - (h - 1)) / 2, (h + 1) / 2, factor); });
    case TbsMorphKind::mkLeftSlide:
        return pickByColumn(normal, [&](int x, int y) { return x < shift ? hot.at(x + w - shift, y) : normal.at(x, y); });
    case TbsMorphKind::mkRightSlide:
        return pickByColumn(normal, [&](int x, int y) { return x >= w - shift ? hot.at(x - (w - shift), y) : normal.at(x, y); });
    case TbsMorphKind::mkPush:
        return pickByColumn(normal, [&](int x, int y) { return x < shift ? hot.at(x + w - shift, y) : normal.at(x - shift, y); });
    case TbsMorphKind::mkDefault: break;
    }
    return mixByWeight(normal, hot, [&](int, int) { return 1.0 - factor; });
}

}  // namespace veyrin

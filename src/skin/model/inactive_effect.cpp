#include "skin/model/inactive_effect.h"

#include <algorithm>
#include <vector>

namespace veyrin {

namespace {

struct Rgb {
    int r, g, b;
};

Rgb rgbOf(std::uint32_t p) {
    return {static_cast<int>((p >> 16) & 0xFFu), static_cast<int>((p >> 8) & 0xFFu), static_cast<int>(p & 0xFFu)};
}

std::uint32_t withRgb(std::uint32_t original, Rgb c) {
    auto clamp = [](int v) { return static_cast<std::uint32_t>(std::clamp(v, 0, 255)); };
    return (original & 0xFF000000u) | (clamp(c.r) << 16) | (clamp(c.g) << 8) | clamp(c.b);
}

template <typename Change>
void eachPixel(PixelPlane plane, Change change) {
    for (int y = 0; y < plane.height; ++y) {
        std::uint32_t* row = plane.pixels + static_cast<std::size_t>(y) * plane.stride;
        for (int x = 0; x < plane.width; ++x) row[x] = withRgb(row[x], change(rgbOf(row[x]), x, y));
    }
}

int brighter(int c) { return c + static_cast<int>((255 - c) * kInactiveBrightnessFactor); }
int darker(int c) { return c - static_cast<int>(c * kInactiveDarknessFactor); }

// Luminance weights of ITU-R BT.601, in hundredths.
int greyOf(Rgb c) { return (c.r * 30 + c.g * 59 + c.b * 11) / 100; }

// A well-mixed hash of the pixel's place, so the grain has no visible pattern.
int noiseAt(int x, int y) {
    std::uint32_t h = static_cast<std::uint32_t>(x) * 0x9E3779B1u ^ static_cast<std::uint32_t>(y) * 0x85EBCA77u;
    h ^= h >> 15;
    h *= 0x2C1B3C6Du;
    h ^= h >> 12;
    return static_cast<int>(h % kInactiveNoiseAmount) - kInactiveNoiseAmount / 2;
}

// Each pixel becomes the mean of its four diagonal neighbours at the blur distance, edges repeated.
void splitBlur(PixelPlane plane) {
    std::vector<std::uint32_t> source(static_cast<std::size_t>(plane.width) * static_cast<std::size_t>(plane.height));
    for (int y = 0; y < plane.height; ++y)
        std::copy_n(plane.pixels + static_cast<std::size_t>(y) * plane.stride, plane.width,
                    source.begin() + static_cast<std::ptrdiff_t>(y) * plane.width);
    auto at = [&](int x, int y) {
        x = std::clamp(x, 0, plane.width - 1);
        y = std::clamp(y, 0, plane.height - 1);
        return rgbOf(source[static_cast<std::size_t>(y) * static_cast<std::size_t>(plane.width) + static_cast<std::size_t>(x)]);
    };
    const int d = kInactiveSplitBlurAmount;
    eachPixel(plane, [&](Rgb, int x, int y) {
        const Rgb a = at(x - d, y - d), b = at(x + d, y - d), c = at(x - d, y + d), e = at(x + d, y + d);
        return Rgb{(a.r + b.r + c.r + e.r) / 4, (a.g + b.g + c.g + e.g) / 4, (a.b + b.b + c.b + e.b) / 4};
    });
}

}  // namespace

void applyInactiveEffect(PixelPlane plane, TbsInactiveEffect effect) {
    if (plane.width <= 0 || plane.height <= 0) return;
    using enum TbsInactiveEffect;
    switch (effect) {
    case ieBrightness: eachPixel(plane, [](Rgb c, int, int) { return Rgb{brighter(c.r), brighter(c.g), brighter(c.b)}; }); break;
    case ieDarkness: eachPixel(plane, [](Rgb c, int, int) { return Rgb{darker(c.r), darker(c.g), darker(c.b)}; }); break;
    case ieGrayScale:
        eachPixel(plane, [](Rgb c, int, int) {
            const int grey = greyOf(c);
            return Rgb{grey, grey, grey};
        });
        break;
    case ieNoise:
        eachPixel(plane, [](Rgb c, int x, int y) {
            const int n = noiseAt(x, y);
            return Rgb{c.r + n, c.g + n, c.b + n};
        });
        break;
    case ieSplitBlur: splitBlur(plane); break;
    case ieInvert: eachPixel(plane, [](Rgb c, int, int) { return Rgb{255 - c.r, 255 - c.g, 255 - c.b}; }); break;
    }
}

}  // namespace veyrin

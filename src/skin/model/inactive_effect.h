#pragma once
// The look of an inactive frame computed from the active one ("autorenderinginactiveimage"): one
// of six effects applied to the composed frame strips.

#include <cstddef>
#include <cstdint>

#include "skin/model/skin_data.h"

namespace veyrin {

// The strengths the frame uses.
inline constexpr double kInactiveBrightnessFactor = 0.5;  // halfway to white
inline constexpr double kInactiveDarknessFactor = 0.3;    // 30% towards black
inline constexpr int kInactiveNoiseAmount = 50;           // each pixel moves by -25..24
inline constexpr int kInactiveSplitBlurAmount = 1;        // the diagonal neighbours at this distance

// A picture of 0xAARRGGBB pixels, `stride` pixels from one row to the next. The effects change the
// colour and keep the top byte. Noise depends only on the pixel's place, so a repaint looks the same.
struct PixelPlane {
    std::uint32_t* pixels;
    int width, height;
    std::size_t stride;
};

void applyInactiveEffect(PixelPlane plane, TbsInactiveEffect effect);

}  // namespace veyrin

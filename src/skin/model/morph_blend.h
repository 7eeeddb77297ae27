#pragma once
// The blend a caption button shows while its hot look fades in or out: the normal and the hot
// look, both of the button's size, mixed by the morph factor according to the morph kind.

#include <cstdint>
#include <vector>

#include "skin/model/skin_data.h"

namespace veyrin {

struct PixelBlock {
    int width = 0, height = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
};

// Mixes two pixels with weight `normalWeight` for `normal`, each channel rounded.
std::uint32_t mixPixels(std::uint32_t normal, std::uint32_t hot, double normalWeight);

// `normal` and `hot` must have the same size; the result has it too.
PixelBlock blendMorph(TbsMorphKind kind, const PixelBlock& normal, const PixelBlock& hot, double factor);

}  // namespace veyrin

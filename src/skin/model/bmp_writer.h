#pragma once
// Writing pixels as a BMP file, for packages built from generated pictures (the package tool's
// tests, the benchmark and the fuzzing seeds).

#include <cstdint>
#include <vector>

#include "skin/model/skin_bitmap.h"

namespace veyrin {

// A bottom-up, uncompressed BMP file of `pixels` (0x00RRGGBB, top row first) at 1, 4, 8, 24 or 32
// bits per pixel; indexed depths get a palette of the colours in order of first use. Throws
// AppError(kInvalidBitmapMessage) when the size is empty, the pixel count does not match or the
// colours do not fit the palette.
SkinBitmap encodeBmpFile(int width, int height, int bitsPerPixel, const std::vector<std::uint32_t>& pixels);

}  // namespace veyrin

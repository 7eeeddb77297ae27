#pragma once
// Writing pixels as a BMP file, for packages built from generated pictures (the package tool's
// tests, the benchmark and the fuzzing seeds), in each form the bitmap reader understands.

#include <cstdint>
#include <vector>

#include "skin/model/skin_bitmap.h"

namespace veyrin {

enum class BmpLayout {
    Plain,       // 40-byte header, uncompressed; 16 bits store five bits per colour
    RunLength,   // 4 or 8 bits per pixel, run-length compressed
    BitFields,   // 16 bits as 5-6-5 or 32 bits as 8-8-8, with the masks after the header
    CoreHeader,  // the 12-byte header with three-byte palette entries; 1, 4, 8 or 24 bits
};

// A bottom-up BMP file of `pixels` (0x00RRGGBB, top row first) at 1, 4, 8, 16, 24 or 32 bits per
// pixel; indexed depths get a palette of the colours in order of first use. Throws
// AppError(kInvalidBitmapMessage) when the size is empty, the pixel count does not match, the
// layout does not fit the depth, or a colour does not fit the palette or the 16-bit fields.
SkinBitmap encodeBmpFile(int width, int height, int bitsPerPixel, const std::vector<std::uint32_t>& pixels,
                         BmpLayout layout = BmpLayout::Plain);

}  // namespace veyrin

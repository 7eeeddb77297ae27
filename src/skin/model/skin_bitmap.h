#pragma once
// A bitmap of the skin: the BMP file exactly as the package stores it, and its pixels decoded for
// drawing and for building window shapes. Uncompressed 1-, 4-, 8-, 24- and 32-bit files are read.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veyrin {

struct SkinBitmap {
    int width = 0;
    int height = 0;
    int bitsPerPixel = 0;
    std::vector<std::uint32_t> pixels;  // 0x00RRGGBB, top row first, width * height entries
    std::string fileBytes;              // the whole BMP file as stored

    bool isEmpty() const { return width <= 0 || height <= 0; }
    std::uint32_t pixel(int x, int y) const { return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x)]; }
    bool isBlack(int x, int y) const { return (pixel(x, y) & 0xFFFFFFu) == 0; }
};

// The message of the bitmap reader's error.
inline constexpr std::string_view kInvalidBitmapMessage = "Bitmap image is not valid";

// Decodes a complete BMP file. Throws AppError(kInvalidBitmapMessage) on a file it cannot read.
SkinBitmap decodeBmpFile(std::string_view file);

}  // namespace veyrin

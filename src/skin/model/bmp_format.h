#pragma once
// Facts of the BMP file layout shared by the bitmap reader, the writer and the package reader.

#include <cstddef>
#include <cstdint>
#include <string>

#include "platform/model/app_error.h"
#include "skin/model/skin_bitmap.h"

namespace veyrin {

inline constexpr std::size_t kBmpFileHeaderSize = 14;
inline constexpr std::size_t kBmpInfoHeaderSize = 40;
// The old form of the header: 16-bit width and height, palette entries of three bytes.
inline constexpr std::size_t kBmpCoreHeaderSize = 12;
// The red, green and blue masks that follow a 40-byte header of a bit-field file.
inline constexpr std::size_t kBmpMasksSize = 12;

inline constexpr std::uint32_t kBmpUncompressed = 0;
inline constexpr std::uint32_t kBmpRle8 = 1;
inline constexpr std::uint32_t kBmpRle4 = 2;
inline constexpr std::uint32_t kBmpBitFields = 3;

constexpr bool isSupportedBmpDepth(int bits) {
    return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
}

// Rows are padded to whole 32-bit words.
constexpr std::size_t bmpRowStride(int width, int bitsPerPixel) {
    return ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
}

[[noreturn]] inline void throwInvalidBitmap() { throw AppError(std::string(kInvalidBitmapMessage)); }

}  // namespace veyrin

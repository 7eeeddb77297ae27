#include "skin/model/skin_bitmap.h"

#include <array>
#include <cstdint>
#include <cstdlib>

#include "platform/model/app_error.h"
#include "skin/model/little_endian.h"

namespace veyrin {

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kInfoHeaderSize = 40;
// Far above any skin picture (the largest is 516 x 318), low enough that a header claiming
// gigapixels is refused before anything is allocated.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;
constexpr std::uint32_t kUncompressed = 0;

[[noreturn]] void throwInvalidBitmap() { throw AppError(std::string(kInvalidBitmapMessage)); }

struct BmpHeader {
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t paletteSize = 0;
};

bool isSupportedDepth(int bits) { return bits == 1 || bits == 4 || bits == 8 || bits == 24 || bits == 32; }

BmpHeader readHeader(std::string_view file) {
    if (file.size() < kFileHeaderSize + kInfoHeaderSize || file[0] != 'B' || file[1] != 'M') throwInvalidBitmap();
    BmpHeader h;
    h.fileSize = readUint32Le(file, 2);
    h.pixelOffset = readUint32Le(file, 10);
    h.infoSize = readUint32Le(file, 14);
    if (h.fileSize < kFileHeaderSize + kInfoHeaderSize || h.fileSize > file.size()) throwInvalidBitmap();
    if (h.infoSize < kInfoHeaderSize || h.infoSize > h.fileSize - kFileHeaderSize) throwInvalidBitmap();
    const std::int64_t width = readInt32Le(file, 18);
    const std::int64_t rawHeight = readInt32Le(file, 22);
    const std::int64_t height = std::llabs(rawHeight);
    if (width <= 0 || height <= 0 || width * height > kMaxPixels) throwInvalidBitmap();
    h.width = static_cast<int>(width);
    h.height = static_cast<int>(height);
    h.topDown = rawHeight < 0;
    h.bitsPerPixel = readUint16Le(file, 28);
    if (readUint16Le(file, 26) != 1 || !isSupportedDepth(h.bitsPerPixel)) throwInvalidBitmap();
    if (readUint32Le(file, 30) != kUncompressed) throwInvalidBitmap();
    if (h.bitsPerPixel <= 8) {
        const std::uint32_t used = readUint32Le(file, 46);
        const std::uint32_t full = 1u << h.bitsPerPixel;
        h.paletteSize = (used == 0 || used > full) ? full : used;
    }
    return h;
}

std::size_t rowStride(const BmpHeader& h) {
    return ((static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.bitsPerPixel) + 31) / 32) * 4;
}

std::uint32_t rgbAt(std::string_view bytes, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return (byte(2) << 16) | (byte(1) << 8) | byte(0);
}

std::vector<std::uint32_t> readPalette(std::string_view file, const BmpHeader& h) {
    const std::size_t start = kFileHeaderSize + h.infoSize;
    const std::size_t end = start + std::size_t{4} * h.paletteSize;
    if (end > h.fileSize || end > h.pixelOffset) throwInvalidBitmap();
    std::vector<std::uint32_t> palette(h.paletteSize);
    for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = rgbAt(file, start + 4 * i);
    return palette;
}

// Palette indexes beyond the palette paint black, as the platform's bitmap reader does.
std::uint32_t indexedPixel(std::string_view row, int x, int bits, const std::vector<std::uint32_t>& palette) {
    const std::size_t bitPos = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    const auto byte = static_cast<unsigned>(static_cast<unsigned char>(row[bitPos / 8]));
    const unsigned shift = 8u - static_cast<unsigned>(bits) - static_cast<unsigned>(bitPos % 8);
    const unsigned index = (byte >> shift) & ((1u << bits) - 1u);
    return index < palette.size() ? palette[index] : 0u;
}

}  // namespace

SkinBitmap decodeBmpFile(std::string_view file) {
    const BmpHeader h = readHeader(file);
    const std::vector<std::uint32_t> palette = h.bitsPerPixel <= 8 ? readPalette(file, h) : std::vector<std::uint32_t>{};
    const std::size_t stride = rowStride(h);
    if (h.pixelOffset < kFileHeaderSize + h.infoSize || h.pixelOffset > h.fileSize ||
        stride * static_cast<std::size_t>(h.height) > h.fileSize - h.pixelOffset)
        throwInvalidBitmap();

    SkinBitmap bitmap;
    bitmap.width = h.width;
    bitmap.height = h.height;
    bitmap.bitsPerPixel = h.bitsPerPixel;
    bitmap.fileBytes.assign(file.substr(0, h.fileSize));
    bitmap.pixels.resize(static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.height));
    const std::size_t bytesPerPixel = static_cast<std::size_t>(h.bitsPerPixel) / 8;
    for (int y = 0; y < h.height; ++y) {
        const int storedRow = h.topDown ? y : h.height - 1 - y;
        const std::string_view row = file.substr(h.pixelOffset + stride * static_cast<std::size_t>(storedRow), stride);
        std::uint32_t* out = bitmap.pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(h.width);
        for (int x = 0; x < h.width; ++x)
            out[x] = bytesPerPixel >= 3 ? rgbAt(row, static_cast<std::size_t>(x) * bytesPerPixel)
                                        : indexedPixel(row, x, h.bitsPerPixel, palette);
    }
    return bitmap;
}

}  // namespace veyrin

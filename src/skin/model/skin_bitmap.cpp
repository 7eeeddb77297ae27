#include "skin/model/skin_bitmap.h"

#include <bit>
#include <cstdint>
#include <cstdlib>

#include "skin/model/bmp_format.h"
#include "skin/model/bmp_rle.h"
#include "skin/model/little_endian.h"

namespace veyrin {

namespace {

// Far above any skin picture (the largest is 516 x 318), low enough that a header claiming
// gigapixels is refused before anything is allocated.
constexpr std::int64_t kMaxPixels = std::int64_t{1} << 24;

struct ChannelMasks {
    std::uint32_t red = 0, green = 0, blue = 0;
};

// A 16-bit file without masks stores five bits per colour.
constexpr ChannelMasks kDefault16BitMasks = {0x7C00u, 0x03E0u, 0x001Fu};

struct BmpHeader {
    std::uint32_t fileSize = 0;
    std::uint32_t pixelOffset = 0;
    std::uint32_t infoSize = 0;
    int width = 0;
    int height = 0;
    bool topDown = false;
    int bitsPerPixel = 0;
    std::uint32_t compression = kBmpUncompressed;
    ChannelMasks masks;
    std::size_t paletteStart = 0;
    std::size_t paletteEntrySize = 4;
    std::uint32_t paletteSize = 0;

    bool runLength() const { return compression == kBmpRle8 || compression == kBmpRle4; }
};

void checkSize(std::int64_t width, std::int64_t height) {
    if (width <= 0 || height <= 0 || width * height > kMaxPixels) throwInvalidBitmap();
}

void readCoreFields(std::string_view file, BmpHeader& h) {
    h.width = readUint16Le(file, 18);
    h.height = readUint16Le(file, 20);
    checkSize(h.width, h.height);
    if (readUint16Le(file, 22) != 1) throwInvalidBitmap();
    h.bitsPerPixel = readUint16Le(file, 24);
    if (h.bitsPerPixel != 1 && h.bitsPerPixel != 4 && h.bitsPerPixel != 8 && h.bitsPerPixel != 24)
        throwInvalidBitmap();
    h.paletteEntrySize = 3;
    if (h.bitsPerPixel <= 8) h.paletteSize = 1u << h.bitsPerPixel;
}

bool compressionFitsDepth(std::uint32_t compression, int bits) {
    switch (compression) {
    case kBmpUncompressed: return true;
    case kBmpRle8: return bits == 8;
    case kBmpRle4: return bits == 4;
    case kBmpBitFields: return bits == 16 || bits == 32;
    default: return false;
    }
}

// Headers longer than 40 bytes carry the masks themselves; a 40-byte one is followed by them.
ChannelMasks readMasks(std::string_view file, BmpHeader& h) {
    const std::size_t at = kBmpFileHeaderSize + kBmpInfoHeaderSize;
    if (h.infoSize == kBmpInfoHeaderSize) {
        if (at + kBmpMasksSize > h.fileSize) throwInvalidBitmap();
        h.paletteStart += kBmpMasksSize;
    } else if (h.infoSize < kBmpInfoHeaderSize + kBmpMasksSize) {
        throwInvalidBitmap();
    }
    return {readUint32Le(file, at), readUint32Le(file, at + 4), readUint32Le(file, at + 8)};
}

void readInfoFields(std::string_view file, BmpHeader& h) {
    const std::int64_t width = readInt32Le(file, 18);
    const std::int64_t rawHeight = readInt32Le(file, 22);
    checkSize(width, std::llabs(rawHeight));
    h.width = static_cast<int>(width);
    h.height = static_cast<int>(std::llabs(rawHeight));
    h.topDown = rawHeight < 0;
    h.bitsPerPixel = readUint16Le(file, 28);
    if (readUint16Le(file, 26) != 1 || !isSupportedBmpDepth(h.bitsPerPixel)) throwInvalidBitmap();
    h.compression = readUint32Le(file, 30);
    // Run-length data is always stored bottom-up.
    if (!compressionFitsDepth(h.compression, h.bitsPerPixel) || (h.runLength() && h.topDown)) throwInvalidBitmap();
    if (h.compression == kBmpBitFields) h.masks = readMasks(file, h);
    else if (h.bitsPerPixel == 16) h.masks = kDefault16BitMasks;
    if (h.bitsPerPixel <= 8) {
        const std::uint32_t used = readUint32Le(file, 46);
        const std::uint32_t full = 1u << h.bitsPerPixel;
        h.paletteSize = (used == 0 || used > full) ? full : used;
    }
}

BmpHeader readHeader(std::string_view file) {
    if (file.size() < kBmpFileHeaderSize + kBmpCoreHeaderSize || file[0] != 'B' || file[1] != 'M') throwInvalidBitmap();
    BmpHeader h;
    h.fileSize = readUint32Le(file, 2);
    h.pixelOffset = readUint32Le(file, 10);
    h.infoSize = readUint32Le(file, 14);
    if (h.fileSize < kBmpFileHeaderSize + kBmpCoreHeaderSize || h.fileSize > file.size()) throwInvalidBitmap();
    if (h.infoSize > h.fileSize - kBmpFileHeaderSize) throwInvalidBitmap();
    h.paletteStart = kBmpFileHeaderSize + h.infoSize;
    if (h.infoSize == kBmpCoreHeaderSize) readCoreFields(file, h);
    else if (h.infoSize >= kBmpInfoHeaderSize) readInfoFields(file, h);
    else throwInvalidBitmap();
    return h;
}

std::uint32_t rgbAt(std::string_view bytes, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return (byte(2) << 16) | (byte(1) << 8) | byte(0);
}

std::vector<std::uint32_t> readPalette(std::string_view file, const BmpHeader& h) {
    const std::size_t end = h.paletteStart + h.paletteEntrySize * h.paletteSize;
    if (end > h.fileSize || end > h.pixelOffset) throwInvalidBitmap();
    std::vector<std::uint32_t> palette(h.paletteSize);
    for (std::size_t i = 0; i < palette.size(); ++i) palette[i] = rgbAt(file, h.paletteStart + h.paletteEntrySize * i);
    return palette;
}

// Palette indexes beyond the palette paint black, as the platform's bitmap reader does.
std::uint32_t paletteColour(unsigned index, const std::vector<std::uint32_t>& palette) {
    return index < palette.size() ? palette[index] : 0u;
}

std::uint32_t indexedPixel(std::string_view row, int x, int bits, const std::vector<std::uint32_t>& palette) {
    const std::size_t bitPos = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
    const auto byte = static_cast<unsigned>(static_cast<unsigned char>(row[bitPos / 8]));
    const unsigned shift = 8u - static_cast<unsigned>(bits) - static_cast<unsigned>(bitPos % 8);
    return paletteColour((byte >> shift) & ((1u << bits) - 1u), palette);
}

// The masked bits scaled to 0..255; narrow fields repeat their bits so that all ones is 255.
std::uint32_t channel(std::uint32_t value, std::uint32_t mask) {
    if (mask == 0) return 0;
    const int shift = std::countr_zero(mask);
    const int width = std::bit_width(mask >> shift);
    const std::uint32_t field = (value & mask) >> shift;
    if (width >= 8) return field >> (width - 8);
    std::uint32_t scaled = 0;
    for (int filled = 0; filled < 8; filled += width) scaled = (scaled << width) | field;
    const int extra = ((8 + width - 1) / width) * width - 8;
    return scaled >> extra;
}

std::uint32_t maskedPixel(std::string_view row, int x, int bits, const ChannelMasks& m) {
    const std::size_t at = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits / 8);
    const std::uint32_t value = bits == 16 ? readUint16Le(row, at) : readUint32Le(row, at);
    return (channel(value, m.red) << 16) | (channel(value, m.green) << 8) | channel(value, m.blue);
}

std::uint32_t storedPixel(std::string_view row, int x, const BmpHeader& h, const std::vector<std::uint32_t>& palette) {
    if (h.bitsPerPixel <= 8) return indexedPixel(row, x, h.bitsPerPixel, palette);
    if (h.bitsPerPixel == 16 || h.compression == kBmpBitFields) return maskedPixel(row, x, h.bitsPerPixel, h.masks);
    return rgbAt(row, static_cast<std::size_t>(x) * static_cast<std::size_t>(h.bitsPerPixel / 8));
}

void decodeRows(std::string_view file, const BmpHeader& h, const std::vector<std::uint32_t>& palette,
                std::vector<std::uint32_t>& pixels) {
    const std::size_t stride = bmpRowStride(h.width, h.bitsPerPixel);
    if (stride * static_cast<std::size_t>(h.height) > h.fileSize - h.pixelOffset) throwInvalidBitmap();
    for (int y = 0; y < h.height; ++y) {
        const int storedRow = h.topDown ? y : h.height - 1 - y;
        const std::string_view row = file.substr(h.pixelOffset + stride * static_cast<std::size_t>(storedRow), stride);
        std::uint32_t* out = pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(h.width);
        for (int x = 0; x < h.width; ++x) out[x] = storedPixel(row, x, h, palette);
    }
}

void decodeRunLength(std::string_view file, const BmpHeader& h, const std::vector<std::uint32_t>& palette,
                     std::vector<std::uint32_t>& pixels) {
    const std::vector<std::uint16_t> indexes =
        decodeBmpRle(file.substr(h.pixelOffset, h.fileSize - h.pixelOffset), h.width, h.height, h.bitsPerPixel);
    for (std::size_t i = 0; i < pixels.size(); ++i) pixels[i] = paletteColour(indexes[i], palette);
}

}  // namespace

SkinBitmap decodeBmpFile(std::string_view file) {
    const BmpHeader h = readHeader(file);
    const std::vector<std::uint32_t> palette = h.bitsPerPixel <= 8 ? readPalette(file, h) : std::vector<std::uint32_t>{};
    if (h.pixelOffset < h.paletteStart || h.pixelOffset > h.fileSize) throwInvalidBitmap();

    SkinBitmap bitmap;
    bitmap.width = h.width;
    bitmap.height = h.height;
    bitmap.bitsPerPixel = h.bitsPerPixel;
    bitmap.fileBytes.assign(file.substr(0, h.fileSize));
    bitmap.pixels.resize(static_cast<std::size_t>(h.width) * static_cast<std::size_t>(h.height));
    if (h.runLength()) decodeRunLength(file, h, palette, bitmap.pixels);
    else decodeRows(file, h, palette, bitmap.pixels);
    return bitmap;
}

}  // namespace veyrin

#include "skin/model/bmp_writer.h"

#include <algorithm>
#include <string>

#include "skin/model/bmp_format.h"
#include "skin/model/bmp_rle.h"
#include "skin/model/little_endian.h"

namespace veyrin {

namespace {

struct Fields {
    int redBits, greenBits, blueBits;
};

constexpr Fields k555 = {5, 5, 5};
constexpr Fields k565 = {5, 6, 5};
constexpr Fields k888 = {8, 8, 8};

bool layoutFitsDepth(BmpLayout layout, int bits) {
    switch (layout) {
    case BmpLayout::Plain: return isSupportedBmpDepth(bits);
    case BmpLayout::RunLength: return bits == 4 || bits == 8;
    case BmpLayout::BitFields: return bits == 16 || bits == 32;
    case BmpLayout::CoreHeader: return bits == 1 || bits == 4 || bits == 8 || bits == 24;
    }
    return false;
}

std::uint32_t compressionOf(BmpLayout layout, int bits) {
    if (layout == BmpLayout::RunLength) return bits == 8 ? kBmpRle8 : kBmpRle4;
    return layout == BmpLayout::BitFields ? kBmpBitFields : kBmpUncompressed;
}

std::vector<std::uint32_t> paletteOf(const std::vector<std::uint32_t>& pixels, int bitsPerPixel) {
    std::vector<std::uint32_t> palette;
    const std::size_t capacity = std::size_t{1} << bitsPerPixel;
    for (std::uint32_t p : pixels) {
        if (std::find(palette.begin(), palette.end(), p) != palette.end()) continue;
        if (palette.size() == capacity) throwInvalidBitmap();
        palette.push_back(p);
    }
    if (palette.empty()) palette.push_back(0);
    return palette;
}

std::vector<std::uint8_t> indexesOf(const std::vector<std::uint32_t>& pixels, const std::vector<std::uint32_t>& palette) {
    std::vector<std::uint8_t> indexes;
    indexes.reserve(pixels.size());
    for (std::uint32_t p : pixels)
        indexes.push_back(static_cast<std::uint8_t>(std::find(palette.begin(), palette.end(), p) - palette.begin()));
    return indexes;
}

void appendColour(std::string& out, std::uint32_t rgb, bool withPad) {
    out.push_back(static_cast<char>(rgb & 0xFFu));
    out.push_back(static_cast<char>((rgb >> 8) & 0xFFu));
    out.push_back(static_cast<char>((rgb >> 16) & 0xFFu));
    if (withPad) out.push_back('\0');
}

// The top `bits` of an 8-bit channel; the reader widens them again by repeating them, so only
// channels that survive that trip can be stored.
std::uint32_t narrowChannel(std::uint32_t value, int bits) {
    const std::uint32_t field = value >> (8 - bits);
    const std::uint32_t widened = bits == 8 ? field : (field << (8 - bits)) | (field >> (2 * bits - 8));
    if (widened != value) throwInvalidBitmap();
    return field;
}

std::uint32_t packFields(std::uint32_t rgb, Fields f) {
    const std::uint32_t r = narrowChannel((rgb >> 16) & 0xFFu, f.redBits);
    const std::uint32_t g = narrowChannel((rgb >> 8) & 0xFFu, f.greenBits);
    const std::uint32_t b = narrowChannel(rgb & 0xFFu, f.blueBits);
    return (r << (f.greenBits + f.blueBits)) | (g << f.blueBits) | b;
}

std::uint32_t maskOf(int bits, int shift) { return ((1u << bits) - 1u) << shift; }

std::string encodeRow(const std::uint32_t* row, const std::uint8_t* indexes, int width, int bits, Fields fields,
                      std::size_t stride) {
    std::string out;
    out.reserve(stride);
    if (bits == 16) {
        for (int x = 0; x < width; ++x) appendUint16Le(out, static_cast<std::uint16_t>(packFields(row[x], fields)));
    } else if (bits >= 24) {
        for (int x = 0; x < width; ++x) appendColour(out, row[x], bits == 32);
    } else {
        std::string packed(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const std::size_t bitPos = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
            const unsigned shift = 8u - static_cast<unsigned>(bits) - static_cast<unsigned>(bitPos % 8);
            packed[bitPos / 8] = static_cast<char>(static_cast<unsigned char>(packed[bitPos / 8]) | (indexes[x] << shift));
        }
        out = std::move(packed);
    }
    out.resize(stride, '\0');
    return out;
}

std::string encodeRows(int width, int height, int bits, const std::vector<std::uint32_t>& pixels,
                       const std::vector<std::uint8_t>& indexes, Fields fields) {
    const std::size_t stride = bmpRowStride(width, bits);
    std::string data;
    for (int y = height - 1; y >= 0; --y) {
        const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
        data += encodeRow(pixels.data() + row, indexes.empty() ? nullptr : indexes.data() + row, width, bits, fields,
                          stride);
    }
    return data;
}

void appendInfoHeader(std::string& file, int width, int height, int bits, std::uint32_t compression,
                      std::size_t dataSize, std::size_t paletteSize) {
    appendUint32Le(file, kBmpInfoHeaderSize);
    appendInt32Le(file, width);
    appendInt32Le(file, height);
    appendUint16Le(file, 1);
    appendUint16Le(file, static_cast<std::uint16_t>(bits));
    appendUint32Le(file, compression);
    appendUint32Le(file, static_cast<std::uint32_t>(dataSize));
    appendUint32Le(file, 3780);  // 96 dpi
    appendUint32Le(file, 3780);
    appendUint32Le(file, static_cast<std::uint32_t>(paletteSize));
    appendUint32Le(file, 0);
}

void appendCoreHeader(std::string& file, int width, int height, int bits) {
    appendUint32Le(file, kBmpCoreHeaderSize);
    appendUint16Le(file, static_cast<std::uint16_t>(width));
    appendUint16Le(file, static_cast<std::uint16_t>(height));
    appendUint16Le(file, 1);
    appendUint16Le(file, static_cast<std::uint16_t>(bits));
}

}  // namespace

SkinBitmap encodeBmpFile(int width, int height, int bitsPerPixel, const std::vector<std::uint32_t>& pixels,
                         BmpLayout layout) {
    if (!layoutFitsDepth(layout, bitsPerPixel) || width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        throwInvalidBitmap();
    if (layout == BmpLayout::CoreHeader && (width > 0xFFFF || height > 0xFFFF)) throwInvalidBitmap();
    const bool core = layout == BmpLayout::CoreHeader;
    std::vector<std::uint32_t> palette = bitsPerPixel <= 8 ? paletteOf(pixels, bitsPerPixel) : std::vector<std::uint32_t>{};
    // The old header has no count of the colours used: its palette is always full.
    if (core && bitsPerPixel <= 8) palette.resize(std::size_t{1} << bitsPerPixel, 0);
    const std::vector<std::uint8_t> indexes = palette.empty() ? std::vector<std::uint8_t>{} : indexesOf(pixels, palette);
    const Fields fields = layout == BmpLayout::BitFields ? (bitsPerPixel == 16 ? k565 : k888) : k555;
    const std::string data = layout == BmpLayout::RunLength ? encodeBmpRle(indexes, width, height, bitsPerPixel)
                                                            : encodeRows(width, height, bitsPerPixel, pixels, indexes, fields);

    const std::size_t infoSize = core ? kBmpCoreHeaderSize : kBmpInfoHeaderSize;
    const std::size_t masksSize = layout == BmpLayout::BitFields ? kBmpMasksSize : 0;
    const std::size_t paletteBytes = palette.size() * (core ? 3 : 4);
    const auto pixelOffset = static_cast<std::uint32_t>(kBmpFileHeaderSize + infoSize + masksSize + paletteBytes);

    std::string file = "BM";
    appendUint32Le(file, static_cast<std::uint32_t>(pixelOffset + data.size()));
    appendUint32Le(file, 0);
    appendUint32Le(file, pixelOffset);
    if (core) appendCoreHeader(file, width, height, bitsPerPixel);
    else appendInfoHeader(file, width, height, bitsPerPixel, compressionOf(layout, bitsPerPixel), data.size(), palette.size());
    if (masksSize != 0) {
        appendUint32Le(file, maskOf(fields.redBits, fields.greenBits + fields.blueBits));
        appendUint32Le(file, maskOf(fields.greenBits, fields.blueBits));
        appendUint32Le(file, maskOf(fields.blueBits, 0));
    }
    for (std::uint32_t colour : palette) appendColour(file, colour, !core);
    file += data;

    SkinBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bitsPerPixel = bitsPerPixel;
    bitmap.pixels = pixels;
    bitmap.fileBytes = std::move(file);
    return bitmap;
}

}  // namespace veyrin

#include "skin/model/bmp_writer.h"

#include <algorithm>
#include <string>

#include "platform/model/app_error.h"
#include "skin/model/little_endian.h"

namespace veyrin {

namespace {

[[noreturn]] void throwInvalidBitmap() { throw AppError(std::string(kInvalidBitmapMessage)); }

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

void appendColour(std::string& out, std::uint32_t rgb, bool withPad) {
    out.push_back(static_cast<char>(rgb & 0xFFu));
    out.push_back(static_cast<char>((rgb >> 8) & 0xFFu));
    out.push_back(static_cast<char>((rgb >> 16) & 0xFFu));
    if (withPad) out.push_back('\0');
}

std::string encodeRow(const std::uint32_t* row, int width, int bits, const std::vector<std::uint32_t>& palette,
                      std::size_t stride) {
    std::string out;
    out.reserve(stride);
    if (bits >= 24) {
        for (int x = 0; x < width; ++x) appendColour(out, row[x], bits == 32);
    } else {
        std::string packed(stride, '\0');
        for (int x = 0; x < width; ++x) {
            const auto index = static_cast<unsigned>(std::find(palette.begin(), palette.end(), row[x]) - palette.begin());
            const std::size_t bitPos = static_cast<std::size_t>(x) * static_cast<std::size_t>(bits);
            const unsigned shift = 8u - static_cast<unsigned>(bits) - static_cast<unsigned>(bitPos % 8);
            packed[bitPos / 8] = static_cast<char>(static_cast<unsigned char>(packed[bitPos / 8]) | (index << shift));
        }
        out = std::move(packed);
    }
    out.resize(stride, '\0');
    return out;
}

}  // namespace

SkinBitmap encodeBmpFile(int width, int height, int bitsPerPixel, const std::vector<std::uint32_t>& pixels) {
    const bool depthOk = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 24 || bitsPerPixel == 32;
    if (!depthOk || width <= 0 || height <= 0 ||
        pixels.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        throwInvalidBitmap();
    const std::vector<std::uint32_t> palette = bitsPerPixel <= 8 ? paletteOf(pixels, bitsPerPixel) : std::vector<std::uint32_t>{};
    const std::size_t stride = ((static_cast<std::size_t>(width) * static_cast<std::size_t>(bitsPerPixel) + 31) / 32) * 4;
    const auto pixelOffset = static_cast<std::uint32_t>(14 + 40 + 4 * palette.size());
    const auto fileSize = static_cast<std::uint32_t>(pixelOffset + stride * static_cast<std::size_t>(height));

    std::string file = "BM";
    appendUint32Le(file, fileSize);
    appendUint32Le(file, 0);
    appendUint32Le(file, pixelOffset);
    appendUint32Le(file, 40);
    appendInt32Le(file, width);
    appendInt32Le(file, height);
    appendUint16Le(file, 1);
    appendUint16Le(file, static_cast<std::uint16_t>(bitsPerPixel));
    appendUint32Le(file, 0);  // uncompressed
    appendUint32Le(file, static_cast<std::uint32_t>(stride * static_cast<std::size_t>(height)));
    appendUint32Le(file, 3780);  // 96 dpi
    appendUint32Le(file, 3780);
    appendUint32Le(file, static_cast<std::uint32_t>(palette.size()));
    appendUint32Le(file, 0);
    for (std::uint32_t colour : palette) appendColour(file, colour, true);
    for (int y = height - 1; y >= 0; --y)
        file += encodeRow(pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), width,
                          bitsPerPixel, palette, stride);

    SkinBitmap bitmap;
    bitmap.width = width;
    bitmap.height = height;
    bitmap.bitsPerPixel = bitsPerPixel;
    bitmap.pixels = pixels;
    bitmap.fileBytes = std::move(file);
    return bitmap;
}

}  // namespace veyrin

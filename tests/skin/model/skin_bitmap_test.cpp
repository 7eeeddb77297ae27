#include <gtest/gtest.h>

#include "platform/model/app_error.h"
#include "skin/model/little_endian.h"
#include "skin/model/skin_bitmap.h"
#include "skin_package_fixture.h"

using namespace veyrin;
using veyrin::skin_fixture::patternBitmap;

namespace {

void expectInvalid(const std::string& file) {
    try {
        decodeBmpFile(file);
        FAIL() << "accepted a bad bitmap";
    } catch (const AppError& e) {
        EXPECT_EQ(e.what(), std::string(kInvalidBitmapMessage));
    }
}

void patchUint32(std::string& file, std::size_t at, std::uint32_t value) {
    std::string bytes;
    appendUint32Le(bytes, value);
    file.replace(at, 4, bytes);
}

}  // namespace

TEST(SkinBitmapDecoding, EveryDepthReadsBackTheWrittenPixels) {
    for (int bits : {1, 4, 8, 24, 32}) {
        for (int width : {1, 7, 33}) {
            const SkinBitmap written = patternBitmap(width, 5, bits);
            const SkinBitmap read = decodeBmpFile(written.fileBytes);
            EXPECT_EQ(read.width, width);
            EXPECT_EQ(read.height, 5);
            EXPECT_EQ(read.bitsPerPixel, bits);
            EXPECT_EQ(read.pixels, written.pixels) << bits << " bits, width " << width;
            EXPECT_EQ(read.fileBytes, written.fileBytes);
        }
    }
}

TEST(SkinBitmapDecoding, TopDownRowsAreNotFlipped) {
    SkinBitmap bottomUp = encodeBmpFile(1, 2, 24, {0x112233, 0x445566});
    std::string topDown = bottomUp.fileBytes;
    patchUint32(topDown, 22, static_cast<std::uint32_t>(-2));
    const SkinBitmap read = decodeBmpFile(topDown);
    EXPECT_EQ(read.pixel(0, 0), 0x445566u);
    EXPECT_EQ(read.pixel(0, 1), 0x112233u);
}

TEST(SkinBitmapDecoding, HeadersThatLieAboutSizesAreRefused) {
    const std::string good = patternBitmap(10, 10, 8).fileBytes;
    std::string file = good;
    patchUint32(file, 2, static_cast<std::uint32_t>(good.size() + 1));  // longer than the bytes
    expectInvalid(file);
    file = good;
    patchUint32(file, 10, static_cast<std::uint32_t>(good.size() - 10));  // pixels run past the end
    expectInvalid(file);
    file = good;
    patchUint32(file, 22, 11);  // one row more than stored
    expectInvalid(file);
    file = good;
    patchUint32(file, 18, 0x7FFFFFFF);  // absurd width
    expectInvalid(file);
    file = good;
    patchUint32(file, 22, 0x80000000u);  // most negative height
    expectInvalid(file);
    file = good;
    patchUint32(file, 14, 0xFFFFFFF0u);  // info header longer than the file
    expectInvalid(file);
    file = good;
    patchUint32(file, 30, 2);  // 4-bit run-length data in an 8-bit file
    expectInvalid(file);
    file = good;
    patchUint32(file, 30, 4);  // a compression the reader does not know
    expectInvalid(file);
    expectInvalid(good.substr(0, 40));
    expectInvalid("");
}

namespace {

// Half of each row one colour, half changing every pixel: both runs and literal stretches.
std::vector<std::uint32_t> runsAndStretches(int width, int height, const std::vector<std::uint32_t>& colours) {
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            pixels.push_back(colours[static_cast<std::size_t>(x < width / 2 ? y : x * 7 + y) % colours.size()]);
    return pixels;
}

std::vector<std::uint32_t> greys(int count) {
    std::vector<std::uint32_t> colours;
    for (int i = 0; i < count; ++i) colours.push_back(static_cast<std::uint32_t>(i * 0x010203) & 0xFFFFFFu);
    return colours;
}

// Colours whose channels survive five and six bits.
const std::vector<std::uint32_t> kFieldColours = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0x840084, 0x8400FF};

}  // namespace

TEST(SkinBitmapDecoding, EveryLayoutReadsBackTheWrittenPixels) {
    struct Form {
        int bits;
        BmpLayout layout;
        int colours;
    };
    for (Form f : {Form{4, BmpLayout::RunLength, 16}, Form{8, BmpLayout::RunLength, 200}, Form{16, BmpLayout::Plain, 0},
                   Form{16, BmpLayout::BitFields, 0}, Form{32, BmpLayout::BitFields, 300}, Form{1, BmpLayout::CoreHeader, 2},
                   Form{4, BmpLayout::CoreHeader, 16}, Form{8, BmpLayout::CoreHeader, 256}, Form{24, BmpLayout::CoreHeader, 500}}) {
        for (int width : {1, 2, 5, 40, 300}) {
            const std::vector<std::uint32_t> pixels =
                runsAndStretches(width, 6, f.colours == 0 ? kFieldColours : greys(f.colours));
            const SkinBitmap written = encodeBmpFile(width, 6, f.bits, pixels, f.layout);
            const SkinBitmap read = decodeBmpFile(written.fileBytes);
            EXPECT_EQ(read.bitsPerPixel, f.bits);
            EXPECT_EQ(read.pixels, pixels) << f.bits << " bits, layout " << static_cast<int>(f.layout) << ", width " << width;
        }
    }
    EXPECT_THROW(encodeBmpFile(1, 1, 16, {0x010101}), AppError);
    EXPECT_THROW(encodeBmpFile(1, 1, 24, {0}, BmpLayout::RunLength), AppError);
}

TEST(SkinBitmapDecoding, RunLengthJumpsLeaveBlackAndCutCommandsAreRefused) {
    const std::string header = encodeBmpFile(4, 2, 8, {0xFF0000, 0x00FF00, 0xFF0000, 0xFF0000, 0x0000FF, 0, 0, 0},
                                             BmpLayout::RunLength)
                                   .fileBytes;
    const std::size_t pixelOffset = readUint32Le(header, 10);
    auto withData = [&](const std::string& data) {
        std::string file = header.substr(0, pixelOffset) + data;
        patchUint32(file, 2, static_cast<std::uint32_t>(file.size()));
        return file;
    };
    // Bottom row: one pixel of index 1, jump two right and one up, two of index 2 cut at the edge.
    const SkinBitmap read = decodeBmpFile(withData(std::string("\x01\x01\x00\x02\x02\x01\x02\x02\x00\x01", 10)));
    EXPECT_EQ(read.pixels, (std::vector<std::uint32_t>{0, 0, 0, 0x0000FF, 0x00FF00, 0, 0, 0}));
    expectInvalid(withData(std::string("\x00\x05\x01\x01", 4)));  // a literal of five with two bytes
    expectInvalid(withData(std::string("\x03", 1)));
    std::string topDown = withData(std::string("\x00\x01", 2));
    patchUint32(topDown, 22, static_cast<std::uint32_t>(-2));
    expectInvalid(topDown);
}

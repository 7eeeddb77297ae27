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
    patchUint32(file, 30, 1);  // run-length compressed
    expectInvalid(file);
    expectInvalid(good.substr(0, 40));
    expectInvalid("");
}

#include <gtest/gtest.h>

#include "platform/model/app_error.h"
#include "skin/model/skin_package.h"
#include "skin/model/zlib_stream.h"
#include "skin_package_fixture.h"

using namespace veyrin;

namespace {

std::string errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& e) {
        return e.what();
    }
    return "no error";
}

}  // namespace

TEST(SkinPackageFormat, WrittenPackageReadsBackFieldForField) {
    for (int version : {2, 3}) {
        SkinPackage written = skin_fixture::samplePackage(version);
        written.legacySecond = skin_fixture::patternBitmap(3, 3, 24);
        const std::string bytes = writeSkinPackage(written);
        const SkinPackage read = readSkinPackage(bytes);
        EXPECT_EQ(read.version, version);
        EXPECT_EQ(read.picture.pixels, written.picture.pixels);
        EXPECT_TRUE(read.inactivePicture.isEmpty());
        EXPECT_EQ(read.mask.pixels, written.mask.pixels);
        ASSERT_EQ(read.activePictures.size(), 2u);
        EXPECT_EQ(read.activePictures[1].pixels, written.activePictures[1].pixels);
        EXPECT_EQ(read.lines, written.lines);
        EXPECT_EQ(writeSkinPackage(read), bytes);
    }
}

TEST(SkinPackageFormat, EveryTruncationIsAStreamReadErrorOrABadBitmap) {
    SkinPackage package = skin_fixture::samplePackage();
    package.lines.clear();
    const std::string bytes = writeSkinPackage(package);
    for (std::size_t length = 0; length < bytes.size(); length += 7) {
        const std::string error = errorOf([&] { readSkinPackage(bytes.substr(0, length)); });
        EXPECT_TRUE(error == kStreamReadErrorMessage || error == kInvalidBitmapMessage) << length << ": " << error;
    }
    EXPECT_EQ(errorOf([&] { readSkinPackage(bytes.substr(0, 2)); }), kStreamReadErrorMessage);
}

TEST(SkinPackageFormat, UnknownVersionStopsAfterTheVersion) {
    std::string bytes = writeSkinPackage(skin_fixture::samplePackage());
    bytes[0] = 4;
    const SkinPackage read = readSkinPackage(bytes.substr(0, 4));
    EXPECT_EQ(read.version, 4);
    EXPECT_TRUE(read.picture.isEmpty());
}

TEST(SkinPackageFormat, LinesEndAtCrLfOrCrLf) {
    EXPECT_EQ(splitSkinLines("a\r\nb\rc\nd"), (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(splitSkinLines("a\n\r\nb\r\n"), (std::vector<std::string>{"a", "", "b"}));
    EXPECT_TRUE(splitSkinLines("").empty());
}

TEST(ZlibStreams, DamagedTruncatedAndOversizedStreamsAreCompressionErrors) {
    const std::string data(100000, 'x');
    const std::string packed = deflateZlib(data);
    EXPECT_EQ(static_cast<unsigned char>(packed[0]), 0x78);
    EXPECT_EQ(static_cast<unsigned char>(packed[1]), 0xDA);
    EXPECT_EQ(inflateZlib(packed), data);
    std::string damaged = packed;
    damaged[packed.size() / 2] = static_cast<char>(damaged[packed.size() / 2] ^ 0x55);
    damaged[packed.size() - 1] = static_cast<char>(damaged[packed.size() - 1] ^ 0x55);
    EXPECT_EQ(errorOf([&] { inflateZlib(damaged); }), "compression error");
    EXPECT_EQ(errorOf([&] { inflateZlib(packed.substr(0, packed.size() - 1)); }), "compression error");
    EXPECT_EQ(errorOf([&] { inflateZlib(""); }), "compression error");
    EXPECT_EQ(errorOf([&] { inflateZlib(packed, data.size() - 1); }), "compression error");
}

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/model/app_error.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/little_endian.h"
#include "skin/model/skin_data.h"
#include "skin_package_fixture.h"

using namespace veyrin;

namespace {

class SkinDirectory : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = std::filesystem::temp_directory_path() /
               ("veyrin_skin_" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::create_directories(dir_);
        const SkinPackage p = skin_fixture::samplePackage();
        write("frame.bmp", p.picture.fileBytes);
        write("MASK.BMP", p.mask.fileBytes);  // names match without regard to case
        write("a0.bmp", p.activePictures[0].fileBytes);
        write("a1.bmp", p.activePictures[1].fileBytes);
    }
    void TearDown() override { std::filesystem::remove_all(dir_); }

    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(dir_ / name, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    }
    void writeIni(const std::vector<std::string>& lines) {
        std::string text;
        for (const std::string& line : lines) text += line + "\n";
        write("skin.ini", text);
    }
    std::string iniPath() const { return (dir_ / "skin.ini").string(); }

    std::filesystem::path dir_;
};

}  // namespace

TEST_F(SkinDirectory, PackageBuiltFromIniLoadsTheSameSkin) {
    writeIni(skin_fixture::sampleSkinLines());
    TbsCompressedStoredSkin built;
    ASSERT_TRUE(built.loadFromIni(iniPath()));
    EXPECT_EQ(built.fileName, "skin.ini");
    std::string package;
    built.inflateInto(package);
    EXPECT_EQ(package, writeSkinPackage(skin_fixture::samplePackage()));
}

TEST_F(SkinDirectory, MissingSectionLeavesTheStoreAndMissingBitmapEmptiesIt) {
    std::vector<std::string> lines = skin_fixture::sampleSkinLines();
    std::erase(lines, "[SKINCONTROLS]");
    writeIni(lines);
    TbsCompressedStoredSkin store;
    store.setCompressedData("previous");
    EXPECT_FALSE(store.loadFromIni(iniPath()));
    EXPECT_EQ(store.compressedData(), "previous");

    lines = skin_fixture::sampleSkinLines();
    lines[3] = "picture=absent.bmp";
    writeIni(lines);
    EXPECT_THROW(store.loadFromIni(iniPath()), AppError);
    EXPECT_TRUE(store.isEmpty());
}

TEST(CompressedSkinFile, VersionLengthAndBytes) {
    auto file = [](std::int32_t version, std::int32_t length, const std::string& bytes) {
        std::string f;
        appendInt32Le(f, version);
        appendInt32Le(f, length);
        return f + bytes;
    };
    TbsCompressedStoredSkin store;
    store.loadFromCompressedFileBytes(file(3, 4, "zlibtail"));
    EXPECT_EQ(store.compressedData(), "zlib");
    store.loadFromCompressedFileBytes(file(4, 4, "zlib"));
    EXPECT_TRUE(store.isEmpty());
    EXPECT_THROW(store.loadFromCompressedFileBytes(file(3, 9, "zlib")), AppError);
    EXPECT_THROW(store.loadFromCompressedFileBytes(file(3, -1, "zlib")), AppError);
    EXPECT_THROW(store.loadFromCompressedFileBytes("ab"), AppError);
}

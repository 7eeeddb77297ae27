#include <gtest/gtest.h>

#include "platform/model/app_error.h"
#include "skin/model/bmp_writer.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_ini_values.h"
#include "packed_skin_directory.h"
#include "skin_package_fixture.h"

using namespace veyrin;

namespace {

struct NamedForm {
    std::string file;
    int bits;
    BmpLayout layout;
};

const std::vector<NamedForm> kForms = {{"rle4.bmp", 4, BmpLayout::RunLength},   {"rle8.bmp", 8, BmpLayout::RunLength},
                                       {"555.bmp", 16, BmpLayout::Plain},        {"565.bmp", 16, BmpLayout::BitFields},
                                       {"fields32.bmp", 32, BmpLayout::BitFields}, {"core8.bmp", 8, BmpLayout::CoreHeader},
                                       {"core24.bmp", 24, BmpLayout::CoreHeader}};

std::vector<std::uint32_t> stripes(int width, int height) {
    static const std::uint32_t kColours[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0x840084};
    std::vector<std::uint32_t> pixels;
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) pixels.push_back(kColours[(x / 3 + (x > width / 2 ? x : 0) + y) % 6]);
    return pixels;
}

std::vector<std::string> skinLines(const std::vector<std::string>& pictureLines, const std::vector<std::string>& formInfo,
                                   const std::vector<std::string>& objects) {
    std::vector<std::string> lines = {"[VERSION]", "skinname=forms", "[PICTURES]", "picture=frame.bmp"};
    lines.insert(lines.end(), pictureLines.begin(), pictureLines.end());
    lines.push_back("[FORMINFO]");
    lines.insert(lines.end(), formInfo.begin(), formInfo.end());
    lines.push_back("[SKINOBJECTS]");
    lines.insert(lines.end(), objects.begin(), objects.end());
    for (const char* line : {"[close]", "command=cmclose", "[caption]", "fontheight=18", "[tray]",
                             "command=cmminimizetotray", "[SKINCONTROLS]", "count=0"})
        lines.emplace_back(line);
    return lines;
}

}  // namespace

TEST(PackedSkin, EveryBitmapFormComesThroughThePackerAndTheLoader) {
    skin_fixture::PackedSkinDirectory dir;
    dir.addBitmap("frame.bmp", skin_fixture::patternBitmap(30, 20, 24));
    std::vector<std::string> pictures = {"activepicturescount=" + std::to_string(kForms.size())};
    for (std::size_t i = 0; i < kForms.size(); ++i) {
        dir.addBitmap(kForms[i].file, encodeBmpFile(17, 9, kForms[i].bits, stripes(17, 9), kForms[i].layout));
        pictures.push_back(std::to_string(i) + "=" + kForms[i].file);
    }
    const TbsCompressedStoredSkin store = dir.pack(skinLines(pictures, {"clientrect=3,3,27,17"}, {"count=0"}));
    TbsSkinData skin;
    skin.setCompressedStoredSkin(&store);
    ASSERT_EQ(skin.activePictures().size(), kForms.size());
    for (std::size_t i = 0; i < kForms.size(); ++i) {
        EXPECT_EQ(skin.activePictures()[i].bitsPerPixel, kForms[i].bits) << kForms[i].file;
        EXPECT_EQ(skin.activePictures()[i].pixels, stripes(17, 9)) << kForms[i].file;
    }
}

TEST(PackedSkin, ListsWithAGapKeepTheEntriesAfterIt) {
    skin_fixture::PackedSkinDirectory dir;
    dir.addBitmap("frame.bmp", skin_fixture::patternBitmap(30, 20, 24));
    const TbsCompressedStoredSkin store =
        dir.pack(skinLines({}, {"bgpictureindex=1", "autorenderinginactiveimage=1", "inactiveeffect=iesplitblur"},
                           {"count=4", "0=close:stdbutton", "1=caption:caption", "3=tray:stdbutton"}));
    TbsSkinData skin;
    skin.setCompressedStoredSkin(&store);
    ASSERT_EQ(skin.objects().size(), 3u);
    EXPECT_EQ(skin.findObject("tray"), 2);
    EXPECT_EQ(dynamic_cast<const TbsDataSkinStdButton&>(*skin.objects()[2]).command, TbsStdCommand::cmMinimizeToTray);
    EXPECT_EQ(skin.formInfo().bgPictureIndex, 1);
    EXPECT_TRUE(skin.formInfo().autoRenderingInactiveImage);
    EXPECT_EQ(skin.formInfo().inactiveEffect, TbsInactiveEffect::ieSplitBlur);

    // A picture list with a hole names no file there: the packer says which one it could not open.
    skin_fixture::PackedSkinDirectory holes;
    holes.addBitmap("frame.bmp", skin_fixture::patternBitmap(30, 20, 24));
    holes.addBitmap("a.bmp", skin_fixture::patternBitmap(4, 4, 8));
    try {
        holes.pack(skinLines({"activepicturescount=3", "0=a.bmp", "2=a.bmp"}, {}, {"count=0"}));
        FAIL() << "packed a list with a hole";
    } catch (const AppError& e) {
        EXPECT_EQ(std::string(e.what()).rfind("Cannot open file", 0), 0u) << e.what();
    }
}

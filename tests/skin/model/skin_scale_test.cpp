#include <gtest/gtest.h>

#include "platform/model/app_error.h"
#include "skin/model/picture_composition.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_scale.h"
#include "packed_skin_directory.h"
#include "skin_package_fixture.h"

using namespace veyrin;
using namespace veyrin::skin_fixture;

// Every piece the frame cuts, cut from a picture enlarged by whole pixels, is the 1x piece with
// each pixel made a block: no seam, no pixel of a neighbouring piece.
TEST(SkinScale, PiecesCutAtAScaleAreBlocksOfThe1xPieces) {
    const SkinBitmap picture = decodeBmpFile(patternBitmap(60, 70, 24).fileBytes);
    const CompositionSource source{60, 70, {{20, 30}, {40, 30}, {20, 50}, {40, 50}}, {10, 20, 50, 60}};
    for (int scale : {2, 3}) {
        const SkinBitmap enlarged = enlargedBitmap(picture, scale);
        ASSERT_EQ(enlarged.width, 60 * scale);
        ASSERT_EQ(enlarged.height, 70 * scale);
        for (const PictureCopy& copy : composedPictureCopies(source, 130, 90)) {
            const FrameRect cut = scaledSkinRect(copy.source, scale);
            ASSERT_EQ(cut.width(), copy.source.width() * scale);
            ASSERT_EQ(cut.height(), copy.source.height() * scale);
            for (int y = cut.top; y < cut.bottom; ++y)
                for (int x = cut.left; x < cut.right; ++x)
                    ASSERT_EQ(enlarged.pixel(x, y), picture.pixel(x / scale, y / scale)) << scale << " " << x << "," << y;
        }
    }
}

TEST(SkinScale, NamesThePictureDrawnForAScale) {
    EXPECT_EQ(scaledPictureName("frame.bmp", 2), "frame@2x.bmp");
    EXPECT_EQ(scaledPictureName("art/Frame.BMP", 3), "art/Frame@3x.BMP");
    EXPECT_EQ(scaledPictureName("skins.v2/frame", 2), "skins.v2/frame@2x");
    EXPECT_EQ(scaledPictureName("frame.bmp", 1), "frame.bmp");
    EXPECT_EQ(scaledPictureName("", 2), "");
}

namespace {

// The sample skin drawn at `scale` with its own pattern, so a picture taken from it is told apart
// from the 1x picture enlarged.
SkinPackage drawnAt(int scale, int extraWidth = 0) {
    SkinPackage p = samplePackage();
    p.picture = patternBitmap(60 * scale + extraWidth, 70 * scale, 8);
    p.mask = patternBitmap(60 * scale, 70 * scale, 1);
    p.activePictures = {patternBitmap(9 * scale, 7 * scale, 24), patternBitmap(5 * scale, 3 * scale, 24)};
    return p;
}

void expectSamePixels(const SkinBitmap& a, const SkinBitmap& b) {
    ASSERT_EQ(a.width, b.width);
    ASSERT_EQ(a.height, b.height);
    EXPECT_EQ(a.pixels, b.pixels);
}

}  // namespace

TEST(SkinCompanion, AWindowAtAScaleTakesTheCompanionsPicturesElseEnlargesThe1x) {
    const TbsCompressedStoredSkin store = storeOf(samplePackage());
    const SkinPackage twice = drawnAt(2);
    const TbsCompressedStoredSkin companion = storeOf(twice);
    TbsSkinData skin;
    skin.setCompressedStoredSkin(&store, {{2, &companion}});
    ASSERT_TRUE(skin.hasCompanion(2));
    EXPECT_FALSE(skin.hasCompanion(3));

    expectSamePixels(skin.pictureAtScale(skin.picture(), 2), decodeBmpFile(twice.picture.fileBytes));
    expectSamePixels(skin.pictureAtScale(*skin.activePicture(1), 2), decodeBmpFile(twice.activePictures[1].fileBytes));
    expectSamePixels(skin.pictureAtScale(skin.picture(), 3), enlargedBitmap(skin.picture(), 3));
    EXPECT_EQ(&skin.pictureAtScale(skin.picture(), 1), &skin.picture());
    const SkinBitmap foreign = skin.picture();
    EXPECT_EQ(&skin.pictureAtScale(foreign, 2), &foreign);
}

TEST(SkinCompanion, ACompanionThatDoesNotFitIsLeftOutAndTheSkinStillLoads) {
    const TbsCompressedStoredSkin store = storeOf(samplePackage());
    const TbsCompressedStoredSkin notWhole = storeOf(drawnAt(2, 1));
    TbsCompressedStoredSkin damaged;
    damaged.setCompressedData("not a zlib stream");
    TbsSkinData skin;
    skin.setCompressedStoredSkin(&store, {{2, &notWhole}, {3, &damaged}});
    EXPECT_FALSE(skin.empty());
    EXPECT_FALSE(skin.hasCompanion(2));
    EXPECT_FALSE(skin.hasCompanion(3));
    expectSamePixels(skin.pictureAtScale(skin.picture(), 2), enlargedBitmap(skin.picture(), 2));
    // A 2x companion offered for 3x does not fit either.
    const TbsCompressedStoredSkin twice = storeOf(drawnAt(2));
    skin.setCompressedStoredSkin(&store, {{3, &twice}});
    EXPECT_FALSE(skin.hasCompanion(3));

    // Loading another skin drops the companions of the one before.
    const TbsCompressedStoredSkin companion = storeOf(drawnAt(2));
    skin.setCompressedStoredSkin(&store, {{2, &companion}});
    ASSERT_TRUE(skin.hasCompanion(2));
    skin.setCompressedStoredSkin(&store);
    EXPECT_FALSE(skin.hasCompanion(2));
}

TEST(SkinCompanion, ThePackerTakesEachPicturesScaledFileAndKeepsTheSkinIni) {
    PackedSkinDirectory dir;
    const SkinPackage once = samplePackage();
    const SkinPackage twice = drawnAt(2);
    dir.addBitmap("frame.bmp", once.picture);
    dir.addBitmap("mask.bmp", once.mask);
    dir.addBitmap("a0.bmp", once.activePictures[0]);
    dir.addBitmap("a1.bmp", once.activePictures[1]);
    EXPECT_THROW(dir.pack(sampleSkinLines(), 2), AppError);  // no frame@2x.bmp: refused, not 1x in its place

    dir.addBitmap("frame@2x.bmp", twice.picture);
    dir.addBitmap("mask@2x.bmp", twice.mask);
    dir.addBitmap("a0@2x.bmp", twice.activePictures[0]);
    dir.addBitmap("a1@2x.bmp", twice.activePictures[1]);
    const TbsCompressedStoredSkin store = dir.pack(sampleSkinLines());
    const TbsCompressedStoredSkin companion = dir.pack(sampleSkinLines(), 2);
    std::string bytes;
    companion.inflateInto(bytes);
    const SkinPackage packed = readSkinPackage(bytes);
    EXPECT_EQ(packed.picture.fileBytes, twice.picture.fileBytes);
    EXPECT_EQ(packed.activePictures.at(1).fileBytes, twice.activePictures[1].fileBytes);
    EXPECT_EQ(packed.lines, sampleSkinLines());

    TbsSkinData skin;
    skin.setCompressedStoredSkin(&store, {{2, &companion}});
    EXPECT_TRUE(skin.hasCompanion(2));
}

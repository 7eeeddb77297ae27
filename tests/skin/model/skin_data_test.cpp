#include <gtest/gtest.h>

#include "platform/model/app_error.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_sections.h"
#include "skin_package_fixture.h"

using namespace veyrin;

namespace {

struct RecordedSkin {
    TbsSkinData data;
    std::vector<int> notices;
    std::vector<bool> emptyAtNotice;
    RecordedSkin() {
        data.setNoticeSink([this](SkinNotice n, const TbsSkinData& sender) {
            EXPECT_EQ(&sender, &data);
            notices.push_back(n);
            emptyAtNotice.push_back(sender.empty());
        });
    }
};

}  // namespace

TEST(SkinDataLoading, LoadsPicturesDescriptionsAndNoticesInOrder) {
    RecordedSkin skin;
    const TbsCompressedStoredSkin store = skin_fixture::storeOf(skin_fixture::samplePackage());
    skin.data.setCompressedStoredSkin(&store);
    const TbsSkinData& d = skin.data;
    EXPECT_EQ(skin.notices, (std::vector<int>{1225, 1226, 1227}));
    EXPECT_EQ(skin.emptyAtNotice, (std::vector<bool>{true, false, false}));
    EXPECT_FALSE(d.empty());
    EXPECT_EQ(d.skinName, "Test");
    EXPECT_EQ(d.picture().width, 60);
    EXPECT_TRUE(d.inactivePicture().isEmpty());
    EXPECT_EQ(d.activePictureNames, (std::vector<std::string>{"a0.bmp", "a1.bmp"}));
    ASSERT_NE(d.activePicture(1), nullptr);
    EXPECT_EQ(d.activePicture(1)->width, 5);
    EXPECT_EQ(d.activePicture(2), nullptr);
    EXPECT_EQ(d.formInfo().maskRectArea, (FrameRect{5, 20, 55, 60}));
    EXPECT_EQ(d.formInfo().hitTestRightBottom, (FramePoint{40, 50}));
    EXPECT_EQ(d.popupWindow().itemsRect, (FrameRect{1, 2, 3, 4}));
    EXPECT_EQ(d.hintWindow().fontHeight, 16);

    ASSERT_EQ(d.objects().size(), 3u);
    EXPECT_EQ(d.findObject("close"), 0);
    EXPECT_EQ(d.findObject("Close"), 2);
    EXPECT_EQ(d.findObject("odd"), -1);
    const auto& close = dynamic_cast<const TbsDataSkinStdButton&>(*d.objects()[0]);
    EXPECT_EQ(close.command, TbsStdCommand::cmClose);
    EXPECT_EQ(close.hint, "Close");
    EXPECT_EQ(close.activePictureIndex, -1);
    const auto& caption = dynamic_cast<const TbsDataSkinCaption&>(*d.objects()[1]);
    EXPECT_EQ(caption.alignment, TbsTextAlignment::taLeftJustify);
    EXPECT_TRUE(caption.fontStyle.bold && caption.fontStyle.italic);
    EXPECT_EQ(caption.fontHeight, 14);
    EXPECT_EQ(d.objects()[2]->kind, SkinObjectKind::Button);

    ASSERT_EQ(d.controls().size(), 1u);
    EXPECT_EQ(d.findControl("button"), 0);
    EXPECT_EQ(d.findControl("x"), -1);
    EXPECT_EQ(d.controls()[0].values.at("fontname"), "Tahoma");
}

TEST(SkinDataLoading, VersionTwoLoadsTheSameSkinAsVersionThree) {
    SkinPackage old = skin_fixture::samplePackage(2);
    old.legacyFirst = skin_fixture::patternBitmap(4, 4, 8);
    const TbsCompressedStoredSkin oldStore = skin_fixture::storeOf(old);
    const TbsCompressedStoredSkin newStore = skin_fixture::storeOf(skin_fixture::samplePackage(3));
    TbsSkinData a, b;
    a.setCompressedStoredSkin(&oldStore);
    b.setCompressedStoredSkin(&newStore);
    EXPECT_EQ(a.mask().pixels, b.mask().pixels);
    EXPECT_EQ(a.activePictures().size(), b.activePictures().size());
    EXPECT_EQ(a.formInfo().maskRectArea, b.formInfo().maskRectArea);
    EXPECT_EQ(a.objects().size(), b.objects().size());
}

TEST(SkinDataLoading, UnknownVersionAndDamageLeaveTheSkinEmpty) {
    RecordedSkin skin;
    const TbsCompressedStoredSkin good = skin_fixture::storeOf(skin_fixture::samplePackage());
    skin.data.setCompressedStoredSkin(&good);
    SkinPackage future = skin_fixture::samplePackage();
    future.version = 4;
    const TbsCompressedStoredSkin futureStore = skin_fixture::storeOf(future);
    skin.notices.clear();
    skin.data.setCompressedStoredSkin(&futureStore);
    EXPECT_EQ(skin.notices, (std::vector<int>{1225}));
    EXPECT_TRUE(skin.data.empty());
    EXPECT_TRUE(skin.data.objects().empty());
    EXPECT_EQ(skin.data.hintWindow().windowPictureIndex, -1);

    SkinPackage badRect = skin_fixture::samplePackage();
    badRect.lines.push_back("[FORMINFO]");
    badRect.lines.insert(badRect.lines.begin() + 9, "clientrect=1,,2,3");
    TbsCompressedStoredSkin damaged[2] = {skin_fixture::storeOf(badRect), good};
    damaged[1].setCompressedData(good.compressedData().substr(0, good.compressedData().size() / 2));
    for (const TbsCompressedStoredSkin& store : damaged) {
        skin.data.setCompressedStoredSkin(&good);
        EXPECT_THROW(skin.data.setCompressedStoredSkin(&store), AppError);
        EXPECT_TRUE(skin.data.empty());
        EXPECT_TRUE(skin.data.objects().empty());
        EXPECT_TRUE(skin.data.picture().isEmpty());
    }

    TbsCompressedStoredSkin nothing;
    skin.notices.clear();
    skin.data.setCompressedStoredSkin(&nothing);
    EXPECT_TRUE(skin.notices.empty());
}

TEST(SkinDataLoading, WithoutActivePictureCountThereAreNoActivePictures) {
    SkinPackage package = skin_fixture::samplePackage();
    package.activePictures.clear();
    std::erase(package.lines, "activepicturescount=2");
    const TbsCompressedStoredSkin store = skin_fixture::storeOf(package);
    TbsSkinData data;
    data.setCompressedStoredSkin(&store);
    EXPECT_TRUE(data.activePictureNames.empty());
    EXPECT_EQ(data.activePicture(data.popupWindow().windowPictureIndex), nullptr);
}

TEST(FormInfoSettling, MaskAreaAndHitTestPointsFollowTheClientRectangle) {
    TbsFormInfo info;
    info.clientRect = {11, 32, 177, 118};
    info.anchors.leftTop = {89, 39};
    info.anchors.rightBottom = {174, 116};
    info.maskRectArea = {5, 4, 183, 124};
    info.hitTestLeftTop = {10, 11};
    TbsFormInfo settled = info;
    settleFormInfo(settled, true);
    EXPECT_EQ(settled.maskRectArea, (FrameRect{5, 4, 183, 124}));
    EXPECT_EQ(settled.hitTestLeftTop, (FramePoint{10, 11}));
    EXPECT_EQ(settled.hitTestRightBottom, (FramePoint{174, 116}));

    info.maskRectArea = {};
    settled = info;
    settleFormInfo(settled, true);
    EXPECT_EQ(settled.maskRectArea, info.clientRect);
    settled = info;
    settleFormInfo(settled, false);
    EXPECT_EQ(settled.maskRectArea, FrameRect{});
    EXPECT_EQ(settled.hitTestRightBottom, FramePoint{});
}

TEST(FormInfoSettling, AnchorsArePulledIntoTheClientRectUnlessPinned) {
    TbsFormInfo info;
    info.clientRect = {10, 20, 50, 60};
    info.anchors.leftTop = {2, 3};
    info.anchors.rightTop = {70, 4};
    info.anchors.leftBottom = {5, 90};
    info.anchors.rightBottom = {80, 95};
    TbsFormInfo settled = info;
    settleFormInfo(settled, false);
    EXPECT_EQ(settled.anchors.leftTop, (FramePoint{10, 20}));
    EXPECT_EQ(settled.anchors.rightTop, (FramePoint{50, 20}));
    EXPECT_EQ(settled.anchors.leftBottom, (FramePoint{10, 60}));
    EXPECT_EQ(settled.anchors.rightBottom, (FramePoint{50, 60}));

    for (FramePoint pinnedRb : {FramePoint{2, 95}, FramePoint{80, 3}}) {
        settled = info;
        settled.anchors.rightBottom = pinnedRb;
        settleFormInfo(settled, false);
        EXPECT_EQ(settled.anchors.leftTop, info.anchors.leftTop);
        EXPECT_EQ(settled.anchors.rightBottom, pinnedRb);
    }
}

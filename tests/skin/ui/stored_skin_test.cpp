#include <QtTest>

#include "skin/model/skin_data.h"
#include "skin/ui/stored_skin.h"

using namespace veyrin;

namespace {

struct ButtonValues {
    const char* name;
    FrameRect skinRect, activeRect;
    TbsStdCommand command;
    const char* hint;
};

const TbsDataSkinStdButton* stdButton(const TbsSkinData& skin, const char* name) {
    int index = skin.findObject(name);
    return index < 0 ? nullptr : dynamic_cast<const TbsDataSkinStdButton*>(skin.objects()[static_cast<size_t>(index)].get());
}

}  // namespace

// The compiled-in skin is packed at build time from resources/skin, which a generator writes. The
// frame, menus and hints are laid out for exactly these values, so a redrawn skin must keep them.
class StoredSkinTest : public QObject {
    Q_OBJECT
private slots:
    void compiledInSkinLoadsAsTheWindowsLoadIt() {
        const TbsCompressedStoredSkin store = makeStoredSkin();
        QCOMPARE(store.compressedData().size(), static_cast<std::size_t>(storedSkinData().size()));
        TbsSkinData skin;
        std::vector<int> notices;
        skin.setNoticeSink([&](SkinNotice n, const TbsSkinData&) { notices.push_back(n); });
        skin.setCompressedStoredSkin(&store);
        QVERIFY(!skin.empty());
        QCOMPARE(notices, (std::vector<int>{1225, 1226, 1227}));
        for (const auto& object : skin.objects())
            QVERIFY(object->activePictureIndex < static_cast<int>(skin.activePictures().size()));
    }

    void picturesHaveTheirSizesAndFormats() {
        const TbsCompressedStoredSkin store = makeStoredSkin();
        TbsSkinData skin;
        skin.setCompressedStoredSkin(&store);
        auto format = [](const SkinBitmap& b) { return std::vector<int>{b.width, b.height, b.bitsPerPixel}; };
        QCOMPARE(format(skin.picture()), (std::vector<int>{188, 128, 24}));
        QVERIFY(skin.inactivePicture().isEmpty());
        QCOMPARE(format(skin.mask()), (std::vector<int>{188, 128, 1}));
        const std::vector<std::vector<int>> active{{118, 141, 24}, {88, 80, 8}, {70, 116, 8},
                                                   {42, 22, 8},    {516, 318, 8}, {53, 31, 1}};
        QCOMPARE(skin.activePictures().size(), active.size());
        for (size_t i = 0; i < active.size(); ++i) QCOMPARE(format(skin.activePictures()[i]), active[i]);
    }

    void frameMenuAndHintValues() {
        const TbsCompressedStoredSkin store = makeStoredSkin();
        TbsSkinData skin;
        skin.setCompressedStoredSkin(&store);

        const TbsFormInfo& f = skin.formInfo();
        QCOMPARE(f.anchors.leftTop, (FramePoint{89, 39}));
        QCOMPARE(f.anchors.rightTop, (FramePoint{97, 37}));
        QCOMPARE(f.anchors.leftBottom, (FramePoint{14, 115}));
        QCOMPARE(f.anchors.rightBottom, (FramePoint{174, 116}));
        QCOMPARE(f.clientRect, (FrameRect{11, 32, 177, 118}));
        QCOMPARE(f.maskRectArea, (FrameRect{5, 4, 183, 124}));
        QCOMPARE(f.hitTestLeftTop, (FramePoint{10, 11}));
        QCOMPARE(f.hitTestRightBottom, (FramePoint{176, 117}));
        QCOMPARE(f.bgPictureIndex, -1);
        QCOMPARE(f.borderWidth, 3);
        QCOMPARE(f.buttonsOffset, 1);
        QVERIFY(f.buttonsRect.isAbsent() && f.captionRect.isAbsent());

        const TbsDataSkinPopupWindow& popup = skin.popupWindow();
        QCOMPARE(popup.windowPictureIndex, 1);
        QCOMPARE(popup.itemsRect, (FrameRect{14, 3, 84, 76}));
        QCOMPARE(popup.anchors.rightBottom, (FramePoint{79, 74}));
        QCOMPARE(popup.scrollMarkerActiveColor, 16777215);

        const TbsDataSkinHintWindow& hint = skin.hintWindow();
        QCOMPARE(hint.windowPictureIndex, 3);
        QCOMPARE(hint.clientRect, (FrameRect{12, 3, 38, 19}));
        QCOMPARE(hint.anchors.leftTop, (FramePoint{13, 7}));
        QCOMPARE(hint.fontName, std::string("Arial"));
        QCOMPARE(hint.fontHeight, 14);

        std::vector<std::string> names;
        for (const auto& object : skin.objects()) names.push_back(object->idName);
        QCOMPARE(names, (std::vector<std::string>{"menuitem", "caption", "closebutton", "minimizebutton",
                                                  "maximizebutton", "rollupbutton", "mainmenubaritem",
                                                  "sysmenubutton", "menubarsysmenubutton", "menubarclosebutton",
                                                  "menubarmaxbutton", "menubarminbutton", "traybutton"}));
        QCOMPARE(skin.controls().size(), std::size_t(59));
        QVERIFY(skin.findControl("button") >= 0 && skin.findControl("stdlabel") >= 0);

        const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(skin.objects()[0].get());
        QVERIFY(item);
        QCOMPARE(item->skinRect, (FrameRect{1, 22, 68, 42}));
        QCOMPARE(item->activeSkinRect, (FrameRect{1, 1, 68, 21}));
        QCOMPARE(item->dividerRect, (FrameRect{0, 41, 68, 46}));
        QCOMPARE(item->textRect, (FrameRect{2, 2, 66, 18}));
        QCOMPARE(item->itemLeftOffset, 20);
        QCOMPARE(item->unenabledFontColor, 8421504);

        const auto* caption = dynamic_cast<const TbsDataSkinCaption*>(skin.objects()[1].get());
        QVERIFY(caption);
        QCOMPARE(caption->skinRect, (FrameRect{79, 3, 109, 30}));
        QCOMPARE(caption->textRect, (FrameRect{9, 0, 21, 27}));
        QCOMPARE(caption->fontHeight, 18);
        QVERIFY(caption->fontStyle.bold);
        QCOMPARE(caption->fontColor, 8421504);
        QCOMPARE(caption->activeFontColor, 0);
        QVERIFY(caption->shadow);

        const ButtonValues buttons[] = {
            {"closebutton", {158, 5, 181, 29}, {31, 32, 54, 56}, TbsStdCommand::cmClose, "Close"},
            {"minimizebutton", {110, 5, 133, 29}, {31, 88, 54, 112}, TbsStdCommand::cmMinimize, "Minimize"},
            {"maximizebutton", {134, 5, 157, 29}, {31, 61, 54, 85}, TbsStdCommand::cmMaximize, "Maximize"},
            {"rollupbutton", {31, 5, 54, 29}, {87, 32, 110, 56}, TbsStdCommand::cmRollUp, "RollUp"},
            {"sysmenubutton", {7, 5, 30, 29}, {87, 61, 110, 85}, TbsStdCommand::cmSysMenu, "System menu"},
            {"traybutton", {55, 5, 78, 29}, {86, 88, 109, 112}, TbsStdCommand::cmMinimizeToTray, "MinimizeToTray"},
        };
        for (const ButtonValues& b : buttons) {
            const TbsDataSkinStdButton* button = stdButton(skin, b.name);
            QVERIFY2(button, b.name);
            QCOMPARE(button->skinRect, b.skinRect);
            QCOMPARE(button->activeSkinRect, b.activeRect);
            QCOMPARE(button->command, b.command);
            QCOMPARE(button->hint, std::string(b.hint));
            QCOMPARE(button->disableSkinRect, (FrameRect{7, 115, 30, 139}));
            QCOMPARE(button->activePictureIndex, 0);
            QVERIFY(button->morphing && button->morphKind == TbsMorphKind::mkLeftGradient);
        }
    }
};

QTEST_MAIN(StoredSkinTest)
#include "stored_skin_test.moc"

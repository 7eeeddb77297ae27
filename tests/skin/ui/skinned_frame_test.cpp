#include <QtTest>

#include "support/skinned_host.h"

#include "../../../tools/sample_skin/sample_skin.h"
#include "skin/model/packed_skin_directory.h"

#include "skin/model/skin_data.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/object_hint.h"
#include "skin/ui/skin_image.h"
#include "skin/ui/skin_notice_router.h"
#include "skin/ui/stored_skin.h"
#include "skin/ui/window_skin.h"

using namespace veyrin;

namespace {

const TbsBorderIcons& kMainIcons = test::kMainWindowIcons;
using test::CountingHost;

class RecordingHint : public ObjectHintSink {
public:
    QStringList shown;
    int hidden = 0;
    void showTextHint(const QString& text) override { shown << text; }
    void hideHint() override { ++hidden; }
};

QPoint centre(const QRect& r) { return r.center(); }

TbsActiveSkinObject& object(const FrameHost& host, TbsStdCommand command) {
    TbsActiveSkinObject* found = host.skinForm().findObject(command);
    if (!found) qFatal("the skin has no button for command %d", static_cast<int>(command));
    return *found;
}

void showActive(FrameHost& host) {
    host.show();
    QVERIFY(QTest::qWaitForWindowExposed(&host));
    host.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&host));
}

// The pixel of a frame built from `picture` by fixed corners and the repeated middle, along x.
QRgb expectedTopStripPixel(const QImage& picture, const TbsFormInfo& f, int frameWidth, int x, int y) {
    const int dx = frameWidth - picture.width();
    const int from = f.anchors.leftTop.x, to = f.anchors.rightTop.x;
    if (x < from) return picture.pixel(x, y);
    if (x >= to + dx) return picture.pixel(x - dx, y);
    return picture.pixel(from + (x - from) % (to - from), y);
}

QImage opaque(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// The object's hot picture as the skin gives it.
QImage hotLookOf(const FrameHost& host, const TbsActiveSkinObject& object) {
    const TbsSkinData* skin = host.skinForm().skinData();
    for (const auto& description : skin->objects()) {
        if (description->idName != object.idName()) continue;
        const QImage picture = toQImage(*skin->activePicture(description->activePictureIndex));
        return opaque(picture.copy(toQRect(description->activeSkinRect)));
    }
    qFatal("the skin has no description for %s", object.idName().c_str());
}

QImage shownLook(FrameHost& host, const TbsActiveSkinObject& object) { return opaque(host.grab(object.objectRect()).toImage()); }

}  // namespace

class SkinnedFrameTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindowFrameSizeAndClient() {
        CountingHost host;
        host.useStoredSkin(kMainIcons);
        QVERIFY(host.skinned());
        host.setClientSize(538, 661);
        QCOMPARE(host.size(), QSize(560, 703));
        QCOMPARE(host.client()->geometry(), QRect(11, 32, 538, 661));
        QCOMPARE(object(host, TbsStdCommand::cmClose).objectRect(), QRect(530, 5, 23, 24));
        QVERIFY(!object(host, TbsStdCommand::cmMaximize).enabled());
        QVERIFY(object(host, TbsStdCommand::cmMaximize).visible());
        // The outline cuts the rounded corners and keeps everything inside the mask's area.
        QVERIFY(!host.frameShape().contains(QPoint(0, 0)));
        QVERIFY(!host.frameShape().contains(QPoint(559, 702)));
        QVERIFY(host.frameShape().contains(QPoint(5, 4)));
        QVERIFY(host.frameShape().contains(QPoint(280, 1)));
    }

    void hoverBlendsInTheHotLookAndShowsTheHint() {
        CountingHost host;
        RecordingHint hint;
        host.useStoredSkin(kMainIcons);
        host.skinForm().setObjectHint(&hint);
        host.setClientSize(300, 200);
        showActive(host);
        TbsActiveSkinObject& close = object(host, TbsStdCommand::cmClose);
        QTest::mouseMove(&host, centre(close.objectRect()));
        QVERIFY(close.hot());
        QCOMPARE(hint.shown, QStringList{QString::fromUtf8("关闭")});
        QTRY_COMPARE(close.morphFactor(), 1.0);
        QVERIFY(!host.skinForm().morphTimer().isActive());
        // Settled, and pressed, the button shows its hot picture whole, not a blend.
        const QImage hotLook = hotLookOf(host, close);
        QCOMPARE(shownLook(host, close), hotLook);
        QTest::mousePress(&host, Qt::LeftButton, {}, centre(close.objectRect()));
        QCOMPARE(shownLook(host, close), hotLook);
        QTest::mouseMove(&host, QPoint(150, 15));
        QTest::mouseRelease(&host, Qt::LeftButton, {}, QPoint(150, 15));
        QCOMPARE(host.closeRequests, 0);
        // The disabled maximise button never becomes hot.
        TbsActiveSkinObject& maximise = object(host, TbsStdCommand::cmMaximize);
        QTest::mouseMove(&host, centre(maximise.objectRect()));
        QVERIFY(!maximise.hot());
        QVERIFY(!close.hot());
        QTRY_COMPARE(close.morphFactor(), 0.0);
        QCOMPARE(hint.shown.size(), 1);
    }

    void releaseOutsideRunsNothingReleaseOverCloses() {
        CountingHost host;
        host.useStoredSkin(kMainIcons);
        host.setClientSize(300, 200);
        showActive(host);
        int rollUps = 0;
        host.skinForm().hooks.rollUp = [&] { ++rollUps; };
        const QPoint closePoint = centre(object(host, TbsStdCommand::cmClose).objectRect());
        QTest::mouseMove(&host, closePoint);
        QTest::mousePress(&host, Qt::LeftButton, {}, closePoint);
        QTest::mouseMove(&host, QPoint(150, 15));
        QTest::mouseRelease(&host, Qt::LeftButton, {}, QPoint(150, 15));
        QCOMPARE(host.closeRequests, 0);
        QVERIFY(host.isVisible());

        const QPoint rollUpPoint = centre(object(host, TbsStdCommand::cmRollUp).objectRect());
        QTest::mouseMove(&host, rollUpPoint);
        QTest::mouseClick(&host, Qt::LeftButton, {}, rollUpPoint);
        QCOMPARE(rollUps, 1);
        const QPoint maximisePoint = centre(object(host, TbsStdCommand::cmMaximize).objectRect());
        QTest::mouseMove(&host, maximisePoint);
        QTest::mouseClick(&host, Qt::LeftButton, {}, maximisePoint);
        QCOMPARE(host.closeRequests, 0);

        QTest::mouseMove(&host, closePoint);
        QTest::mouseClick(&host, Qt::LeftButton, {}, closePoint);
        QCOMPARE(host.closeRequests, 1);
        QVERIFY(!host.isVisible());

        // A double click on the system-menu button closes the window too.
        showActive(host);
        QRect menuButton;
        host.skinForm().hooks.openSystemMenuUnder = [&](const QRect& onScreen, quint64) { menuButton = onScreen; };
        const QPoint sysMenuPoint = centre(object(host, TbsStdCommand::cmSysMenu).objectRect());
        QTest::mouseMove(&host, sysMenuPoint);
        QTest::mouseClick(&host, Qt::LeftButton, {}, sysMenuPoint);
        QCOMPARE(host.closeRequests, 1);
        QTest::mouseDClick(&host, Qt::LeftButton, {}, sysMenuPoint);
        QCOMPARE(menuButton, QRect(host.mapToGlobal(QPoint(7, 5)), QSize(23, 24)));
        QCOMPARE(host.closeRequests, 2);
    }

    void captionTurnsGreyWhenTheWindowIsInactive() {
        CountingHost host;
        host.useStoredSkin(kMainIcons);
        host.setCaption(QStringLiteral("Veyrin"));
        host.setClientSize(300, 200);
        showActive(host);
        const QRect captionArea = host.skinForm().captionObject()->objectRect();
        auto countOf = [&](QRgb colour) {
            QImage shot = host.grab(captionArea).toImage().convertToFormat(QImage::Format_RGB32);
            int n = 0;
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x) n += (shot.pixel(x, y) & 0xFFFFFF) == colour ? 1 : 0;
            return n;
        };
        QVERIFY(countOf(0x000000) > 20);
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!host.isActiveWindow());
        QCOMPARE(countOf(0x000000), 0);
        QVERIFY(countOf(0x808080) > 20);
    }

    void composedFrameMatchesThePictureAtTwoSizes() {
        for (QSize size : {QSize(188, 128), QSize(437, 301)}) {
            CountingHost host;
            host.useStoredSkin({});
            host.setResizable(true);
            host.resize(size);
            const TbsSkinData* skin = host.skinForm().skinData();
            QVERIFY(skin && !skin->empty());
            const QImage picture = toQImage(skin->picture());
            const TbsFormInfo& f = skin->formInfo();
            const QImage shot = host.grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shot.size(), size);
            const int w = size.width(), h = size.height();
            // Along the top strip outside the buttons and caption (rows 0..2 hold neither).
            for (int x = 0; x < w; x += 3)
                for (int y = 0; y < 3; ++y)
                    QCOMPARE(shot.pixel(x, y) & 0xFFFFFF, expectedTopStripPixel(picture, f, w, x, y) & 0xFFFFFF);
            // The fixed bottom-right corner and the left edge's repeated middle.
            for (int x = 0; x < 10; ++x)
                QCOMPARE(shot.pixel(w - 1 - x, h - 1) & 0xFFFFFF, picture.pixel(187 - x, 127) & 0xFFFFFF);
            const int from = f.anchors.leftTop.y, to = f.anchors.leftBottom.y;
            for (int y = from; y < h - (128 - to); y += 5)
                QCOMPARE(shot.pixel(2, y) & 0xFFFFFF, picture.pixel(2, from + (y - from) % (to - from)) & 0xFFFFFF);
            // The disabled look of the system-menu button comes from the active picture.
            const QImage buttons = toQImage(skin->activePictures()[0]);
            QCOMPARE(shot.pixel(7 + 11, 5 + 12) & 0xFFFFFF, buttons.pixel(7 + 11, 115 + 12) & 0xFFFFFF);
        }
    }

    void inactiveEffectAndBackgroundPictureOfAnotherSkin() {
        skin_fixture::PackedSkinDirectory dir;
        for (const auto& file : sample_skin::pictureFiles()) dir.addBitmap(file.name, sample_skin::drawPicture(file));
        std::vector<std::string> lines = sample_skin::skinLines();
        for (std::string& line : lines) {
            if (line == "autorenderinginactiveimage=0") line = "autorenderinginactiveimage=1";
            if (line == "inactiveeffect=iebrightness") line = "inactiveeffect=ieinvert";
            if (line == "bgpictureindex=-1") line = "bgpictureindex=5";
        }
        const TbsCompressedStoredSkin store = dir.pack(lines);
        TbsSkinData data;
        data.setCompressedStoredSkin(&store);
        CountingHost host;
        host.skinForm().setSkinData(&data);
        host.setClientSize(300, 200);
        showActive(host);
        const QImage active = host.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QWidget other;
        other.show();
        other.activateWindow();
        QTRY_VERIFY(!host.isActiveWindow());
        const QImage inactive = host.grab().toImage().convertToFormat(QImage::Format_RGB32);
        // Frame and caption buttons alike come out inverted; the client area does not.
        for (QPoint p : {QPoint(1, 1), QPoint(150, 2), QPoint(170, 15), QPoint(host.width() - 20, 15),
                         QPoint(2, host.height() - 2)})
            QCOMPARE(inactive.pixel(p) & 0xFFFFFF, ~active.pixel(p) & 0xFFFFFF);
        const QRect client = host.clientRectInWindow();
        const QImage marks = toQImage(data.activePictures()[5]);
        for (QPoint p : {QPoint(0, 0), QPoint(3, 2), QPoint(60, 40), QPoint(120, 70)}) {
            const QRgb expected = marks.pixel(p.x() % marks.width(), p.y() % marks.height()) & 0xFFFFFF;
            QCOMPARE(inactive.pixel(client.topLeft() + p) & 0xFFFFFF, expected);
            QCOMPARE(active.pixel(client.topLeft() + p) & 0xFFFFFF, expected);
        }
    }

    void noticesReachTheOwnerFirstThenTheOtherWindows() {
        FrameHost createdFirst, owner;
        const TbsCompressedStoredSkin store = makeStoredSkin();
        TbsSkinData data;
        createdFirst.skinForm().setSkinData(&data);
        owner.skinForm().setSkinData(&data);
        QStringList order;
        connect(&createdFirst.skinForm(), &TbsBusinessSkinForm::skinDataChanged, [&] { order << "other"; });
        connect(&owner.skinForm(), &TbsBusinessSkinForm::skinDataChanged, [&] { order << "owner"; });
        data.setNoticeSink(SkinNoticeRouter::instance().sinkFor(&owner.skinForm()));
        data.setCompressedStoredSkin(&store);
        QCOMPARE(order, (QStringList{"owner", "other"}));
        QVERIFY(owner.skinned() && createdFirst.skinned());
        // A window on another skin data ignores them.
        FrameHost stranger;
        TbsSkinData otherData;
        stranger.skinForm().setSkinData(&otherData);
        data.setCompressedStoredSkin(&store);
        QVERIFY(!stranger.skinned());
    }
};

QTEST_MAIN(SkinnedFrameTest)
#include "skinned_frame_test.moc"

// The skinned frame on a screen of scale 2: run with QT_SCALE_FACTOR=2 set before the application
// exists, so every window here has a device pixel ratio of 2.
#include <QtTest>

#include "support/skinned_host.h"

#include "../../../tools/sample_skin/sample_skin.h"
#include "skin/model/packed_skin_directory.h"

#include "skin/model/skin_data.h"
#include "skin/model/skin_scale.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/skin_image.h"

using namespace veyrin;

namespace {

constexpr int kScale = 2;
using test::CountingHost;

QImage opaque(const QImage& image) { return image.convertToFormat(QImage::Format_RGB32); }

// A picture of the program's skin as its @2x file holds it.
QImage drawnAt2x(const std::string& name) {
    const QString path = qEnvironmentVariable("VEYRIN_SOURCE_DIR") + "/resources/skin/" +
                         QString::fromStdString(scaledPictureName(name, kScale));
    QImage image(path);
    if (image.isNull()) qFatal("cannot read %s", qPrintable(path));
    return opaque(image);
}

QImage deviceShot(FrameHost& host, const QRect& logical = QRect()) {
    const QImage shot = opaque(host.grab(logical.isNull() ? host.rect() : logical).toImage());
    if (shot.size() != (logical.isNull() ? host.size() : logical.size()) * kScale)
        qFatal("the window is not drawn at scale 2 (QT_SCALE_FACTOR unset?)");
    return shot;
}

// The fixed (copied, not repeated) pieces of the left and bottom strips, where neither caption
// text nor buttons are drawn: each is the given picture's rectangle at the strip's place.
template <typename Check>
void forEachFixedPiece(const CompositionSource& source, QSize size, Check check) {
    for (FrameStrip strip : {FrameStrip::Left, FrameStrip::Bottom}) {
        for (const PictureCopy& copy : stripCopies(source, strip, size.width(), size.height())) {
            if (copy.mode == PictureCopy::Mode::Copy) check(copy);
        }
    }
}

bool hasDetailFinerThanBlocks(const QImage& piece) {
    for (int y = 0; y + 1 < piece.height(); y += 2)
        for (int x = 0; x + 1 < piece.width(); x += 2)
            if (piece.pixel(x, y) != piece.pixel(x + 1, y) || piece.pixel(x, y) != piece.pixel(x, y + 1) ||
                piece.pixel(x, y) != piece.pixel(x + 1, y + 1))
                return true;
    return false;
}

}  // namespace

class SkinnedFrame2xTest : public QObject {
    Q_OBJECT
private slots:
    void geometryStaysInDesignPixels() {
        CountingHost host;
        host.useStoredSkin(test::kMainWindowIcons);
        host.setClientSize(538, 661);
        QCOMPARE(host.size(), QSize(560, 703));
        QCOMPARE(host.skinForm().findObject(TbsStdCommand::cmClose)->objectRect(), QRect(530, 5, 23, 24));
        QVERIFY(!host.frameShape().contains(QPoint(0, 0)));
        QVERIFY(host.frameShape().contains(QPoint(5, 4)));
        QVERIFY(host.skinForm().skinData()->hasCompanion(2));
        QVERIFY(host.skinForm().skinData()->hasCompanion(3));
    }

    void composedFrameIsTheCompanionsPictureInDevicePixels() {
        CountingHost host;
        host.useStoredSkin({});
        host.setResizable(true);
        host.resize(437, 301);
        const TbsSkinData& skin = *host.skinForm().skinData();
        const QImage picture = drawnAt2x(skin.pictureName);
        const QImage shot = deviceShot(host);
        const CompositionSource source{skin.picture().width, skin.picture().height, skin.formInfo().anchors,
                                       skin.formInfo().clientRect};
        int pieces = 0;
        forEachFixedPiece(source, host.size(), [&](const PictureCopy& copy) {
            const QImage expected = picture.copy(toQRect(scaledSkinRect(copy.source, kScale)));
            QCOMPARE(shot.copy(toQRect(scaledSkinRect(copy.target, kScale))), expected);
            ++pieces;
        });
        QVERIFY(pieces >= 4);
        // The repeated middle of the left edge repeats whole 2x rows, in step with the 1x design.
        const int from = skin.formInfo().anchors.leftTop.y, to = skin.formInfo().anchors.leftBottom.y;
        for (int y = from * kScale; y < (host.height() - (source.height - to)) * kScale; y += 7)
            QCOMPARE(shot.pixel(3, y), picture.pixel(3, from * kScale + (y - from * kScale) % ((to - from) * kScale)));
        // The skin's 2x art is drawn, not enlarged: the frame shows detail finer than 2x2 blocks.
        QVERIFY(hasDetailFinerThanBlocks(shot.copy(0, 0, 40, 40)));
    }

    void hotCaptionButtonIsTheCompanionsPieceInDevicePixels() {
        CountingHost host;
        host.useStoredSkin(test::kMainWindowIcons);
        host.setClientSize(300, 200);
        host.show();
        QVERIFY(QTest::qWaitForWindowExposed(&host));
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        TbsActiveSkinObject& close = *host.skinForm().findObject(TbsStdCommand::cmClose);
        QTest::mouseMove(&host, close.objectRect().center());
        QTRY_COMPARE(close.morphFactor(), 1.0);
        const TbsSkinData& skin = *host.skinForm().skinData();
        for (const auto& description : skin.objects()) {
            if (description->idName != close.idName()) continue;
            const QImage buttons = drawnAt2x(skin.activePictureNames.at(static_cast<std::size_t>(description->activePictureIndex)));
            const QImage expected = buttons.copy(toQRect(scaledSkinRect(description->activeSkinRect, kScale)));
            QCOMPARE(deviceShot(host, close.objectRect()), expected);
            QVERIFY(hasDetailFinerThanBlocks(expected));
            return;
        }
        QFAIL("the skin describes no close button");
    }

    // A skin loaded without companions (any package but the program's own) is drawn from its 1x
    // pictures, every pixel a 2x2 block: nothing smoothed, nothing shifted.
    void skinWithoutCompanionIsDrawnInWholeBlocks() {
        skin_fixture::PackedSkinDirectory dir;
        for (const auto& file : sample_skin::pictureFiles()) dir.addBitmap(file.name, sample_skin::drawPicture(file));
        const TbsCompressedStoredSkin store = dir.pack(sample_skin::skinLines());
        TbsSkinData data;
        data.setCompressedStoredSkin(&store);
        CountingHost host;
        host.skinForm().setSkinData(&data);
        host.setClientSize(300, 200);
        const QImage picture = toQImage(data.picture());
        const QImage shot = deviceShot(host);
        const CompositionSource source{picture.width(), picture.height(), data.formInfo().anchors,
                                       data.formInfo().clientRect};
        forEachFixedPiece(source, host.size(), [&](const PictureCopy& copy) {
            const QRect target = toQRect(scaledSkinRect(copy.target, kScale));
            for (int y = target.top(); y <= target.bottom(); ++y)
                for (int x = target.left(); x <= target.right(); ++x)
                    QCOMPARE(shot.pixel(x, y) & 0xFFFFFF,
                             picture.pixel(copy.source.left + (x / kScale - copy.target.left),
                                           copy.source.top + (y / kScale - copy.target.top)) & 0xFFFFFF);
        });
        // The client background tile and the caption buttons' pieces come out in blocks too.
        const QImage whole = shot.copy(0, 0, shot.width(), shot.height());
        for (int y = 0; y + 1 < whole.height(); y += 2)
            for (int x = 0; x + 1 < whole.width(); x += 2)
                if (whole.pixel(x, y) != whole.pixel(x + 1, y + 1) && !host.clientRectInWindow().contains(x / 2, y / 2) &&
                    !host.skinForm().captionObject()->objectRect().contains(x / 2, y / 2))
                    QFAIL(qPrintable(QString("a 2x2 block at %1,%2 is split").arg(x).arg(y)));
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(kScale));
    qunsetenv("QT_ENABLE_HIGHDPI_SCALING");
    QApplication app(argc, argv);
    SkinnedFrame2xTest test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "skinned_frame_2x_test.moc"

// The program's pictures on a screen of two device pixels a design pixel (the whole test runs
// with QT_SCALE_FACTOR=2): drawn pictures show the detail drawn for that density, pixel-art ones
// stay the 1x picture in whole 2x2 blocks, and every compiled-in picture has its denser files.

#include <QDirIterator>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <optional>

#include "app/ui/veyrin_application.h"
#include "controls/ui/density_picture.h"
#include "controls/ui/flat_speed_button.h"
#include "controls/ui/spin_button.h"
#include "windows/ui/program_pictures.h"

using namespace veyrin;

namespace {

using Opaque = std::function<bool(QRgb)>;

// Where the picture's opaque pixels all show unchanged in the grab, searched over every place.
std::optional<QPoint> placement(const QImage& grab, const QImage& picture, const Opaque& opaque) {
    const QImage g = grab.convertToFormat(QImage::Format_ARGB32);
    const QImage pic = picture.convertToFormat(QImage::Format_ARGB32);
    for (int oy = 0; oy + pic.height() <= g.height(); ++oy) {
        for (int ox = 0; ox + pic.width() <= g.width(); ++ox) {
            bool all = true;
            for (int y = 0; y < pic.height() && all; ++y) {
                for (int x = 0; x < pic.width() && all; ++x) {
                    const QRgb p = pic.pixel(x, y);
                    all = !opaque(p) || (g.pixel(ox + x, oy + y) | 0xFF000000u) == (p | 0xFF000000u);
                }
            }
            if (all) return QPoint(ox, oy);
        }
    }
    return std::nullopt;
}

QImage blownUp(const QImage& picture) {
    return picture.scaled(picture.size() * 2, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

Opaque notKey(const QImage& bitmap) {
    const QRgb key = bitmap.pixel(0, bitmap.height() - 1) | 0xFF000000u;
    return [key](QRgb p) { return (p | 0xFF000000u) != key; };
}

bool fullyOpaque(QRgb p) { return qAlpha(p) == 255; }

QImage grabbed(QWidget& widget) {
    widget.show();
    QImage image = widget.grab().toImage();
    widget.hide();
    return image;
}

}  // namespace

class DensityPicturesTest : public QObject {
    Q_OBJECT
private slots:
    void screenIsTwoDevicePixelsADesignPixel() { QCOMPARE(qApp->devicePixelRatio(), 2.0); }

    // A drawn picture: what shows is the picture drawn at 2x, not the 1x one blown up.
    void toolBarButtonShowsTheDetailDrawnFor2x() {
        QToolButton button;
        button.setIconSize(QSize(16, 16));
        button.setIcon(toolBarPicture(0));
        const QImage grab = grabbed(button);
        const QImage picture(":/pictures/imagelist4/0@2x.png");
        QCOMPARE(picture.size(), QSize(32, 32));
        QVERIFY2(placement(grab, picture, fullyOpaque), "the 2x picture does not show in the tool-bar button");
        QVERIFY(!placement(grab, blownUp(QImage(":/pictures/imagelist4/0.png")), fullyOpaque));
    }

    void flatSpeedButtonShowsTheDetailDrawnFor2x() {
        TFlatSpeedButton button;
        button.setGeometry(0, 0, 49, 54);
        button.setGlyph(mainPicture(MainPicture::Cut, pictureDensity(button)));
        QCOMPARE(button.glyph().devicePixelRatio(), 2.0);
        const QImage grab = grabbed(button);
        const QImage picture(":/pictures/cut@2x.bmp");
        const QImage plain(":/pictures/cut.bmp");
        QVERIFY2(placement(grab, picture, notKey(picture)), "the 2x picture does not show on the button");
        QVERIFY(!placement(grab, blownUp(plain), notKey(plain)));
        // Laid out at its design size: the glyph sits where the 1x one would, in device pixels.
        const QPoint at = *placement(grab, picture, notKey(picture));
        QCOMPARE(at.x() % 2, 0);
        QVERIFY(at.x() / 2 + plain.width() <= button.width());
    }

    // Pixel art: the 2x arrow is the 1x arrow with every pixel a 2x2 block, and shows so.
    void spinArrowsStayWholeBlocks() {
        const QImage plain(":/pictures/flatup.bmp");
        const QImage dense(":/pictures/flatup@2x.bmp");
        QCOMPARE(dense.convertToFormat(QImage::Format_RGB32), blownUp(plain).convertToFormat(QImage::Format_RGB32));
        TSpinButton spin;
        spin.resize(15, 21);
        const QImage grab = grabbed(spin);
        QVERIFY2(placement(grab, dense, notKey(dense)), "the arrow does not show as whole 2x2 blocks");
    }

    void everyPictureHasItsDenserFiles_data() {
        QTest::addColumn<QString>("name");
        for (const char* folder : {":/pictures", ":/theme"}) {
            QDirIterator it(QString::fromLatin1(folder), QDir::Files, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QString name = it.next();
                if (!name.contains('@')) QTest::newRow(qPrintable(name)) << name;
            }
        }
    }
    void everyPictureHasItsDenserFiles() {
        QFETCH(QString, name);
        const QImage plain(name);
        QVERIFY(!plain.isNull());
        for (int density : {2, 3}) {
            const QImage dense(densityFileName(name, density));
            QVERIFY2(!dense.isNull(), qPrintable(densityFileName(name, density) + " is missing"));
            QCOMPARE(dense.size(), plain.size() * density);
        }
    }
};

int main(int argc, char** argv) {
    qputenv("QT_SCALE_FACTOR", "2");
    VeyrinApplication app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    DensityPicturesTest tc;
    return QTest::qExec(&tc, argc, argv);
}

#include "density_pictures_test.moc"

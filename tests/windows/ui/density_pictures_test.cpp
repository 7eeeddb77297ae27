// The program's pictures on a screen of two device pixels a design pixel (the whole test runs
// with QT_SCALE_FACTOR=2): drawn pictures show the detail drawn for that density, pixel-art ones
// stay the 1x picture in whole 2x2 blocks, the themed controls draw their theme pictures' 2x
// files, one-pixel lines stay whole blocks, and every compiled-in picture has its denser files.

#include <QDirIterator>
#include <QToolButton>
#include <QtTest>

#include <functional>
#include <optional>

#include "app/ui/veyrin_application.h"
#include "controls/model/check_box_geometry.h"
#include "controls/model/theme_table.h"
#include "controls/ui/density_picture.h"
#include "controls/ui/flat_speed_button.h"
#include "controls/ui/spin_button.h"
#include "controls/ui/sui_button.h"
#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_combo_box.h"
#include "controls/ui/theme_drawing.h"
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

// The pixels alone: QCOMPARE of images also compares their device pixel ratios.
QImage rgb(const QImage& image) {
    QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    pixels.setDevicePixelRatio(1);
    return pixels;
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


// The 2x theme frame shows on screen, and where the artwork was drawn with finer detail the 1x
// frame blown up to 2x does not: the control did not fall back to the 1x picture.
void verifyShowsDenseFrame(const QImage& grab, const QImage& plain, const QImage& dense, const Opaque& opaque) {
    QCOMPARE(dense.size(), plain.size() * 2);
    QVERIFY2(placement(grab, dense, opaque), "the 2x theme picture does not show");
    if (rgb(dense) != rgb(blownUp(plain))) QVERIFY(!placement(grab, blownUp(plain), opaque));
}

// Every 2x2 block of `area` (device pixels, even corners) is one colour: a design pixel drawn
// whole, neither thinned to one device pixel nor shifted half a block.
bool wholeBlocks(const QImage& grab, const QRect& area) {
    for (int y = area.top(); y < area.bottom(); y += 2)
        for (int x = area.left(); x < area.right(); x += 2) {
            const QRgb p = grab.pixel(x, y);
            if (grab.pixel(x + 1, y) != p || grab.pixel(x, y + 1) != p || grab.pixel(x + 1, y + 1) != p) return false;
        }
    return true;
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
        QCOMPARE(rgb(dense), rgb(blownUp(plain)));
        TSpinButton spin;
        spin.resize(15, 21);
        const QImage grab = grabbed(spin);
        QVERIFY2(placement(grab, dense, notKey(dense)), "the arrow does not show as whole 2x2 blocks");
    }

    void themedCheckBoxDrawsThe2xBoxPicture() {
        TsuiCheckBox box;
        box.setUIStyle(TsuiUIStyle::MacOS);
        box.setChecked(true);
        box.resize(93, 17);
        const QImage grab = grabbed(box);
        const int frame = checkBoxFrame(true, true);
        const QImage plain = loadThemeFrame(TsuiUIStyle::MacOS, themepos::CheckBoxPicture, 4, frame);
        const QImage dense = loadThemeFrame(TsuiUIStyle::MacOS, themepos::CheckBoxPicture, 4, frame, 2);
        verifyShowsDenseFrame(grab, plain, dense, fullyOpaque);
    }

    // The skin's corners are copied 1:1, so the button's corners are the 2x skin frame's own.
    void themedButtonCornersComeFromThe2xSkin() {
        TsuiButton button;
        button.setUIStyle(TsuiUIStyle::WinXP);
        button.setTransparent(false);
        button.resize(80, 27);
        const QImage grab = rgb(grabbed(button));
        QCOMPARE(grab.size(), QSize(160, 54));
        const QImage dense = rgb(loadThemeFrame(TsuiUIStyle::WinXP, themepos::ButtonSkin, 3, 1, 2));
        const QImage plain = rgb(loadThemeFrame(TsuiUIStyle::WinXP, themepos::ButtonSkin, 3, 1));
        const QRect topLeft(0, 0, 16, 16);
        QCOMPARE(grab.copy(topLeft), dense.copy(topLeft));
        const QRect bottomRight(dense.width() - 14, dense.height() - 14, 14, 14);
        QCOMPARE(grab.copy(bottomRight.translated(grab.width() - dense.width(), grab.height() - dense.height())),
                 dense.copy(bottomRight));
        QVERIFY(grab.copy(topLeft) != blownUp(plain).copy(topLeft));
    }

    void comboBoxButtonIsThe2xPictureAndItsBorderWholeBlocks() {
        TsuiComboBox combo;
        combo.setUIStyle(TsuiUIStyle::WinXP);
        combo.resize(121, 22);
        const QImage grab = rgb(grabbed(combo));
        const QRect button = combo.buttonRect();
        const QSize device = button.size() * 2;
        const QImage dense = themeBitmap("WINXP_COMBOBOX_BUTTON", 2);
        const QImage plain = themeBitmap("WINXP_COMBOBOX_BUTTON");
        QCOMPARE(dense.size(), plain.size() * 2);
        const QImage shown = grab.copy(QRect(button.topLeft() * 2, device));
        QCOMPARE(shown, rgb(dense.scaled(device, Qt::IgnoreAspectRatio, Qt::FastTransformation)));
        QVERIFY(shown != rgb(blownUp(plain.scaled(button.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation))));
        // The one-pixel border: the outermost two device pixels all round in the border colour.
        const QRgb border = grab.pixel(0, 0);
        for (const QPoint& p : {QPoint(1, 1), QPoint(120, 1), QPoint(241, 42), QPoint(1, 43), QPoint(60, 43)})
            QCOMPARE(grab.pixel(p), border);
        QVERIFY(grab.pixel(2, 2) != border || grab.pixel(60, 2) != border);
        QVERIFY(wholeBlocks(grab, QRect(0, 0, 242, 4)));
    }

    // A focused button's dotted rectangle: dots of one design pixel, whole 2x2 blocks.
    void focusRectangleDotsAreWholeBlocks() {
        QWidget window;
        auto* button = new TsuiButton(&window);
        button->setUIStyle(TsuiUIStyle::WinXP);
        button->setTransparent(false);
        button->setGeometry(0, 0, 80, 27);
        window.resize(100, 40);
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        button->setFocus();
        QVERIFY(button->hasFocus());
        const QImage focused = rgb(button->grab().toImage());
        button->clearFocus();
        const QImage plain = rgb(button->grab().toImage());
        // The button's own face is drawn in 2x detail; only what the focus changed must be blocks.
        int dots = 0;
        for (int y = 0; y < focused.height(); y += 2)
            for (int x = 0; x < focused.width(); x += 2) {
                int changed = 0;
                for (const QPoint& d : {QPoint(0, 0), QPoint(1, 0), QPoint(0, 1), QPoint(1, 1)})
                    changed += focused.pixel(QPoint(x, y) + d) != plain.pixel(QPoint(x, y) + d);
                QVERIFY2(changed == 0 || changed == 4, qPrintable(QStringLiteral("part of a dot at %1,%2").arg(x).arg(y)));
                dots += changed / 4;
            }
        QVERIFY2(dots > 20, "no focus rectangle drawn");
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

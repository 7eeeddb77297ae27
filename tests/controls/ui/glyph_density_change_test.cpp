// A window moved to a screen of another density shows the button pictures drawn for that density:
// the screen's factor is changed while the window is shown, as a move to another monitor or a new
// Xft.dpi does, and the flat buttons take their glyphs again.

#include <QtGui/private/qhighdpiscaling_p.h>
#include <QScreen>
#include <QtTest>

#include <vector>

#include "controls/ui/flat_speed_button.h"

using veyrin::TFlatSpeedButton;

namespace {

constexpr int kGlyphSide = 16;
constexpr QRgb kKeyColour = 0xFFFF00FF;  // the strip's bottom-left pixel: drawn transparent
constexpr QRgb kColourAtDensity[] = {0, 0xFF0000C0, 0xFF00A000, 0xFFC00000};

// A one-picture strip drawn for `density`, a solid colour telling the densities apart.
QImage stripFor(int density) {
    QImage strip(kGlyphSide * density, kGlyphSide * density, QImage::Format_RGB32);
    strip.fill(kColourAtDensity[density]);
    strip.setPixel(0, strip.height() - 1, kKeyColour);
    strip.setDevicePixelRatio(density);
    return strip;
}

QRgb glyphCentre(TFlatSpeedButton& button) {
    const QImage shot = button.grab().toImage();
    const qreal ratio = shot.devicePixelRatio();
    return shot.pixel(qRound(button.width() / 2.0 * ratio), qRound(button.height() / 2.0 * ratio));
}

void setScreenFactor(QWidget& window, qreal factor) {
    QHighDpiScaling::setScreenFactor(window.screen(), factor);
    QTRY_COMPARE(window.devicePixelRatioF(), factor);
}

}  // namespace

class GlyphDensityChangeTest : public QObject {
    Q_OBJECT
private slots:
    void buttonsTakeTheirGlyphAgainOnAScreenOfAnotherDensity() {
        QWidget window;
        window.resize(80, 80);
        auto* button = new TFlatSpeedButton(&window);
        button->setGeometry(10, 10, 40, 40);
        std::vector<int> asked;
        button->setGlyphSource([&asked](int density) {
            asked.push_back(density);
            return stripFor(density);
        });
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(glyphCentre(*button), kColourAtDensity[1]);

        setScreenFactor(window, 2);
        QCOMPARE(glyphCentre(*button), kColourAtDensity[2]);
        QCOMPARE(button->glyph().devicePixelRatio(), 2.0);

        setScreenFactor(window, 3);
        QCOMPARE(glyphCentre(*button), kColourAtDensity[3]);
        setScreenFactor(window, 1);
        QCOMPARE(glyphCentre(*button), kColourAtDensity[1]);
        // Each density once per change: painting again at the same density asks for nothing.
        QCOMPARE(asked, (std::vector<int>{1, 2, 3, 1}));
    }

    void aStripSetByHandStaysAtEveryDensity() {
        QWidget window;
        window.resize(80, 80);
        auto* button = new TFlatSpeedButton(&window);
        button->setGeometry(10, 10, 40, 40);
        button->setGlyphSource(&stripFor);
        button->setGlyph(stripFor(1));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        setScreenFactor(window, 2);
        QCOMPARE(glyphCentre(*button), kColourAtDensity[1]);
        setScreenFactor(window, 1);
    }
};

QTEST_MAIN(GlyphDensityChangeTest)
#include "glyph_density_change_test.moc"

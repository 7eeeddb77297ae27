#include <QSignalSpy>
#include <QtTest>

#include "controls/ui/flat_speed_button.h"
#include "controls/ui/speed_button_hover_tracker.h"
#include "platform/ui/font_faces.h"

using veyrin::SpeedButtonState;
using veyrin::TFlatSpeedButton;

namespace {

// A white window with two 49 x 54 buttons side by side, like the main window's row.
struct ButtonRow {
    QWidget window;
    TFlatSpeedButton* first = new TFlatSpeedButton(&window);
    TFlatSpeedButton* second = new TFlatSpeedButton(&window);

    ButtonRow() {
        window.resize(200, 120);
        window.setFont(veyrin::fontWithPixelSize(QString::fromUtf8("宋体"), 12));
        first->setGeometry(10, 10, 49, 54);
        second->setGeometry(59, 10, 49, 54);
        for (TFlatSpeedButton* button : {first, second}) button->setColor(veyrin::clWhite);
    }
    bool show() {
        window.show();
        QApplication::setActiveWindow(&window);
        return QTest::qWaitForWindowActive(&window);
    }
};

QImage solidPicture(int width, int height, QColor color, QColor corner) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(color);
    image.setPixelColor(0, height - 1, corner);
    return image;
}

const QPoint kCentre(24, 27);

// QTest sends a lone double-click event; a real double click is press, release, double click,
// release.
void doubleClick(QWidget* widget, QPoint pos) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, pos);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, pos);
}

// Moves the real cursor (QTest drops a move to where the cursor already is, which a fresh window
// at the same place would hit).
void moveCursorTo(QWidget* widget, QPoint pos) {
    QTest::mouseMove(widget->window(), QPoint(1, 1));
    QTest::mouseMove(widget, pos);
}

}  // namespace

class FlatSpeedButtonTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { veyrin::installFontSubstitutions(); }

    void releaseOnTheRowBelowClicksButNotOnTheColumnRight() {
        ButtonRow row;
        QVERIFY(row.show());
        QSignalSpy clicks(row.first, &TFlatSpeedButton::clicked);
        QTest::mousePress(row.first, Qt::LeftButton, {}, kCentre);
        QTest::mouseRelease(row.first, Qt::LeftButton, {}, QPoint(10, 54));
        QCOMPARE(clicks.count(), 1);
        QTest::mousePress(row.first, Qt::LeftButton, {}, kCentre);
        QTest::mouseRelease(row.first, Qt::LeftButton, {}, QPoint(49, 10));
        QCOMPARE(clicks.count(), 1);
    }

    void dragOffAndReleaseDoesNotClick() {
        ButtonRow row;
        QVERIFY(row.show());
        QSignalSpy clicks(row.first, &TFlatSpeedButton::clicked);
        moveCursorTo(row.first, kCentre);
        QVERIFY(row.first->showsHoverLook());
        QTest::mousePress(row.first, Qt::LeftButton, {}, kCentre);
        QCOMPARE(row.first->state(), SpeedButtonState::Pressed);
        QTest::mouseMove(row.first, QPoint(24, 90));
        QCOMPARE(row.first->state(), SpeedButtonState::Up);
        QTest::mouseMove(row.first, QPoint(24, 20));
        QCOMPARE(row.first->state(), SpeedButtonState::Pressed);
        QTest::mouseMove(row.first, QPoint(24, 90));
        QCursor::setPos(row.first->mapToGlobal(QPoint(24, 90)));
        QTest::mouseRelease(row.first, Qt::LeftButton, {}, QPoint(24, 90));
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!row.first->showsHoverLook());
        QCOMPARE(row.first->state(), SpeedButtonState::Up);
    }

    void doubleClickClicksTwice() {
        ButtonRow row;
        QVERIFY(row.show());
        QSignalSpy clicks(row.first, &TFlatSpeedButton::clicked);
        QSignalSpy doubles(row.first, &TFlatSpeedButton::doubleClicked);
        doubleClick(row.first, kCentre);
        QCOMPARE(clicks.count(), 2);
        QCOMPARE(doubles.count(), 0);  // only a latched button reports double clicks
    }

    void doubleClickOfALatchedButtonIsReported() {
        ButtonRow row;
        QVERIFY(row.show());
        row.first->setGroupIndex(1);
        row.first->setDown(true);  // without AllowAllUp it stays latched through the clicks
        QSignalSpy clicks(row.first, &TFlatSpeedButton::clicked);
        QSignalSpy doubles(row.first, &TFlatSpeedButton::doubleClicked);
        doubleClick(row.first, kCentre);
        QCOMPARE(doubles.count(), 1);
        QCOMPARE(clicks.count(), 2);
    }

    void neverTakesTheFocusAndClicksFromCode() {
        ButtonRow row;
        QVERIFY(row.show());
        QSignalSpy clicks(row.first, &TFlatSpeedButton::clicked);
        QTest::mouseClick(row.first, Qt::LeftButton, {}, kCentre);
        QVERIFY(!row.first->hasFocus());
        row.first->click();
        QCOMPARE(clicks.count(), 2);
    }

    void disabledButtonIgnoresTheMouse() {
        ButtonRow row;
        QVERIFY(row.show());
        QSignalSpy clicks(row.first, &TFlatSpeedButton::clicked);
        row.first->setEnabled(false);
        QTest::mouseClick(row.first, Qt::LeftButton, {}, kCentre);
        QCOMPARE(clicks.count(), 0);
        QCOMPARE(row.first->state(), SpeedButtonState::Disabled);
        row.first->setEnabled(true);
        QCOMPARE(row.first->state(), SpeedButtonState::Up);
    }

    void hoverPassesFromOneButtonToTheNext() {
        ButtonRow row;
        QVERIFY(row.show());
        moveCursorTo(row.first, kCentre);
        QVERIFY(row.first->showsHoverLook());
        QTest::mouseMove(row.second, kCentre);
        QVERIFY(!row.first->showsHoverLook());
        QVERIFY(row.second->showsHoverLook());
        QCOMPARE(veyrin::SpeedButtonHoverTracker::tracked(), row.second);
        // Leaving for the window: the look ends at the next check, within one period.
        QTest::mouseMove(&row.window, QPoint(150, 100));
        QTRY_VERIFY_WITH_TIMEOUT(!row.second->showsHoverLook(), 1000);
        QVERIFY(!veyrin::SpeedButtonHoverTracker::isRunning());
    }

    void noHoverLookWithoutAnActiveWindow() {
        ButtonRow row;
        QVERIFY(row.show());
        QApplication::setActiveWindow(nullptr);
        QTRY_VERIFY(QApplication::activeWindow() == nullptr);
        moveCursorTo(row.first, kCentre);
        QVERIFY(!row.first->showsHoverLook());
    }

    void groupLatchesExclusively() {
        ButtonRow row;
        QVERIFY(row.show());
        row.first->setGroupIndex(3);
        row.second->setGroupIndex(3);
        QTest::mouseClick(row.first, Qt::LeftButton, {}, kCentre);
        QVERIFY(row.first->isDown());
        QCOMPARE(row.first->state(), SpeedButtonState::Latched);
        QTest::mouseClick(row.second, Qt::LeftButton, {}, kCentre);
        QVERIFY(row.second->isDown());
        QVERIFY(!row.first->isDown());
        // Without AllowAllUp a latched button cannot be released, by click or by code.
        QTest::mouseClick(row.second, Qt::LeftButton, {}, kCentre);
        row.second->setDown(false);
        QVERIFY(row.second->isDown());
        // AllowAllUp spreads over the group.
        row.first->setAllowAllUp(true);
        QVERIFY(row.second->allowAllUp());
        row.second->setDown(false);
        QVERIFY(!row.second->isDown());
    }

    void acceleratorClicks() {
        ButtonRow row;
        QVERIFY(row.show());
        row.first->setCaption("&B");
        QSignalSpy clicks(row.first, &TFlatSpeedButton::clicked);
        QTest::keyClick(&row.window, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        row.first->setEnabled(false);
        QTest::keyClick(&row.window, Qt::Key_B, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
    }

    void advColorsDeriveFromTheParentColour() {
        QWidget parent;
        QPalette palette = parent.palette();
        palette.setColor(QPalette::Window, QColor(0x80, 0x80, 0x80));
        parent.setPalette(palette);
        TFlatSpeedButton button(&parent);
        button.setColor(veyrin::clWhite);
        QVERIFY(!button.parentColor());
        button.setAdvColorBorder(50);
        button.setUseAdvColors(true);
        QVERIFY(button.parentColor());
        QCOMPARE(button.color(), 0x808080);
        QCOMPARE(button.colorBorder(), 0x404040);
        QVERIFY(button.colorFocused() > 0x808080);
    }

    void downNeedsAGroup() {
        TFlatSpeedButton button;
        button.setDown(true);
        QVERIFY(!button.isDown());
    }

    void glyphStripsAreCountedBySquares() {
        TFlatSpeedButton button;
        button.setGlyph(solidPicture(64, 32, Qt::red, Qt::white));
        QCOMPARE(button.numGlyphs(), 2);
        button.setGlyph(solidPicture(31, 32, Qt::red, Qt::white));
        QCOMPARE(button.numGlyphs(), 2);  // not a multiple: the count stays
        button.setNumGlyphs(1);
        button.setGlyph(solidPicture(160, 32, Qt::red, Qt::white));
        QCOMPARE(button.numGlyphs(), 1);  // five pictures are more than a strip holds
    }

    void mainWindowButtonLayout() {
        ButtonRow row;
        row.first->setCaption("\xBC\xF4\xC7\xD0");  // 剪切
        row.first->setGlyph(solidPicture(32, 32, Qt::red, Qt::white));
        veyrin::SpeedButtonLayout layout = row.first->currentLayout();
        QCOMPARE(layout.glyphPos, (veyrin::LayoutPoint{9, 3}));
        QCOMPARE(layout.textBounds, (veyrin::LayoutRect{13, 39, 37, 51}));
    }

    void paintsBorderBackgroundAndSeeThroughGlyph() {
        ButtonRow row;
        QVERIFY(row.show());
        // Red picture with a green bottom-left pixel: green is see-through.
        QImage picture = solidPicture(32, 32, Qt::red, Qt::green);
        picture.setPixelColor(1, 31, Qt::green);
        row.first->setGlyph(picture);
        row.first->setCaption("\xBC\xF4\xC7\xD0");
        QImage rest = row.first->grab().toImage();
        QCOMPARE(rest.pixelColor(0, 0), QColor(0xA0, 0x96, 0x83));   // flat border 0x8396A0
        QCOMPARE(rest.pixelColor(48, 53), QColor(0xA0, 0x96, 0x83));
        QCOMPARE(rest.pixelColor(5, 5), QColor(Qt::white));           // Color
        QCOMPARE(rest.pixelColor(9 + 5, 3 + 5), QColor(Qt::red));     // glyph
        QCOMPARE(rest.pixelColor(9 + 1, 3 + 31), QColor(Qt::white));  // see-through pixel

        QTest::mousePress(row.first, Qt::LeftButton, {}, kCentre);
        QImage pressed = row.first->grab().toImage();
        QCOMPARE(pressed.pixelColor(0, 10), QColor(Qt::black));   // sunken: dark left edge
        QCOMPARE(pressed.pixelColor(48, 10), QColor(Qt::white));  // light right edge
        QCOMPARE(pressed.pixelColor(0, 53), QColor(Qt::black));   // bottom-left corner: left colour
        QCOMPARE(pressed.pixelColor(48, 0), QColor(Qt::white));   // top-right corner: right colour
        QCOMPARE(pressed.pixelColor(5, 5), QColor(0xD9, 0xD6, 0xC5));  // ColorDown 0xC5D6D9
        QCOMPARE(pressed.pixelColor(10 + 5, 4 + 5), QColor(Qt::red));  // moved one pixel
        QTest::mouseRelease(row.first, Qt::LeftButton, {}, kCentre);
    }

    void disabledGlyphIsEmbossed() {
        ButtonRow row;
        QVERIFY(row.show());
        row.first->setGlyph(solidPicture(32, 32, Qt::darkBlue, Qt::white));
        row.first->setCaption("\xBC\xF4\xC7\xD0");
        row.first->setEnabled(false);
        QImage image = row.first->grab().toImage();
        QCOMPARE(image.pixelColor(9 + 5, 3 + 5), QColor(0x80, 0x80, 0x80));   // shadow in place
        QCOMPARE(image.pixelColor(9 + 32, 3 + 10), QColor(Qt::white));       // highlight to the right
    }
};

QTEST_MAIN(FlatSpeedButtonTest)
#include "flat_speed_button_test.moc"

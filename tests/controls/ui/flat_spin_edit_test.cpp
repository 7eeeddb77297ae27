#include <QClipboard>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "controls/ui/control_beep.h"
#include "controls/ui/flat_spin_edit.h"
#include "controls/ui/spin_button.h"
#include "platform/ui/font_faces.h"

using veyrin::TFlatSpinEditInteger;

namespace {

// A window holding SpinEdit1 as the main window sets it up, plus a second field to move the focus to.
struct SpinWindow {
    QWidget window;
    TFlatSpinEditInteger* spin = new TFlatSpinEditInteger(&window);
    QLineEdit* other = new QLineEdit(&window);
    QStringList texts;  // the text at every changed()

    SpinWindow() {
        window.resize(200, 100);
        spin->setFont(veyrin::fontWithPixelSize(QString::fromUtf8("宋体"), 15));
        spin->setGeometry(10, 10, 49, 21);
        spin->setMinValue(9);
        spin->setMaxValue(24);
        spin->setColorFocused(0xECF5FF);
        spin->setColorFlat(veyrin::clWhite);
        spin->setValue(11);
        other->setGeometry(100, 10, 60, 20);
        QObject::connect(spin, &TFlatSpinEditInteger::changed,
                         [this] { texts << QString::fromStdString(spin->text()); });
    }
    bool show() {
        window.show();
        QApplication::setActiveWindow(&window);
        bool active = QTest::qWaitForWindowActive(&window);
        other->setFocus();  // the spin edit, first in the tab order, took it on activation
        return active && !spin->editor()->hasFocus();
    }
};

struct BeepCounter {
    int count = 0;
    std::function<void()> previous = veyrin::setControlBeepHandler([this] { ++count; });
    ~BeepCounter() { veyrin::setControlBeepHandler(previous); }
};

}  // namespace

class FlatSpinEditTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { veyrin::installFontSubstitutions(); }

    void settingValueFiresOnlyWhenTheTextChanges() {
        SpinWindow w;
        w.spin->setValue(11);
        QCOMPARE(w.texts, QStringList());
        w.spin->setValue(30);
        QCOMPARE(w.texts, QStringList{"24"});
        QCOMPARE(w.spin->value(), 24);
        w.spin->setValue(24);
        w.spin->setValue(-5);
        QCOMPARE(w.texts, (QStringList{"24", "9"}));
        w.spin->setText("9");
        QCOMPARE(w.texts.size(), 2);
    }

    void equalLimitsMeanNoLimits() {
        TFlatSpinEditInteger spin;
        spin.setValue(-40);
        QCOMPARE(spin.value(), -40);
        spin.setMinValue(5);
        spin.setMaxValue(5);
        spin.setValue(1000);
        QCOMPARE(spin.text(), std::string("1000"));
    }

    void stepsStopAtTheLimits() {
        SpinWindow w;
        w.spin->setValue(23);
        w.texts.clear();
        w.spin->stepUp();
        w.spin->stepUp();
        QCOMPARE(w.texts, QStringList{"24"});
        w.spin->setValue(10);
        w.texts.clear();
        w.spin->stepDown();
        w.spin->stepDown();
        QCOMPARE(w.texts, QStringList{"9"});
    }

    void readOnlyStepsBeepInstead() {
        SpinWindow w;
        BeepCounter beeps;
        w.spin->setReadOnly(true);
        w.spin->stepUp();
        QCOMPARE(beeps.count, 1);
        QCOMPARE(w.spin->value(), 11);
        QVERIFY(w.texts.isEmpty());
    }

    void typingFiresPerEditAndReadsUnlimited() {
        SpinWindow w;
        QVERIFY(w.show());
        w.spin->setFocus(Qt::TabFocusReason);
        QVERIFY(w.spin->editor()->hasSelectedText());  // entered from the keyboard: all selected
        QTest::keyClicks(w.spin, "3");
        QCOMPARE(w.spin->value(), 3);
        QTest::keyClicks(w.spin, "0");
        QCOMPARE(w.spin->value(), 30);
        QCOMPARE(w.texts, (QStringList{"3", "30"}));
    }

    void leavingClampsAndFiresAgain() {
        SpinWindow w;
        QVERIFY(w.show());
        w.spin->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.spin->editor(), "99");
        w.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.spin->text(), std::string("24"));
        QCOMPARE(w.texts, (QStringList{"9", "99", "24"}));
    }

    void losingTheWindowDoesNotClamp() {
        SpinWindow w;
        QVERIFY(w.show());
        w.spin->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(w.spin, "99");
        QFocusEvent deactivation(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(w.spin->editor(), &deactivation);
        QCOMPARE(w.spin->text(), std::string("99"));
    }

    void emptiedFieldReadsMinimumAndStaysEmpty() {
        SpinWindow w;
        QVERIFY(w.show());
        w.spin->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.spin, Qt::Key_Backspace);
        QCOMPARE(w.texts, QStringList{""});
        QCOMPARE(w.spin->value(), 9);
        w.other->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.spin->text(), std::string());
        QCOMPARE(w.texts.size(), 1);
    }

    void refusedCharactersBeepAndChangeNothing() {
        SpinWindow w;
        BeepCounter beeps;
        QVERIFY(w.show());
        w.spin->setFocus(Qt::MouseFocusReason);
        w.spin->editor()->setCursorPosition(2);
        QTest::keyClick(w.spin, Qt::Key_A);
        QTest::keyClick(w.spin, Qt::Key_Return);
        QTest::keyClick(w.spin, Qt::Key_Space);
        QCOMPARE(beeps.count, 3);
        QCOMPARE(w.spin->text(), std::string("11"));
        QTest::keyClicks(w.spin, "-+.");
        QCOMPARE(beeps.count, 3);
        QCOMPARE(w.spin->text(), std::string("11-+."));
        QCOMPARE(w.spin->value(), 9);
    }

    void disabledEditorRefusesTypingButStillSteps() {
        SpinWindow w;
        BeepCounter beeps;
        QVERIFY(w.show());
        w.spin->setEditorEnabled(false);
        w.spin->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w.spin, Qt::Key_5);
        QTest::keyClick(w.spin, Qt::Key_Backspace);
        QCOMPARE(beeps.count, 2);
        QCOMPARE(w.spin->text(), std::string("11"));
        QTest::keyClick(w.spin, Qt::Key_Up);
        QCOMPARE(w.spin->value(), 12);
    }

    void arrowKeysStep() {
        SpinWindow w;
        QVERIFY(w.show());
        w.spin->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(w.spin, Qt::Key_Up);
        QTest::keyClick(w.spin->editor(), Qt::Key_Up);
        QTest::keyClick(w.spin, Qt::Key_Down);
        QCOMPARE(w.texts, (QStringList{"12", "13", "12"}));
    }

    void mouseEntryDoesNotSelect() {
        SpinWindow w;
        QVERIFY(w.show());
        w.spin->setFocus(Qt::MouseFocusReason);
        QVERIFY(!w.spin->editor()->hasSelectedText());
        w.other->setFocus();
        w.spin->setAutoSelect(false);
        w.spin->setFocus(Qt::TabFocusReason);
        QVERIFY(!w.spin->editor()->hasSelectedText());
    }

    void pasteIsIgnoredWhenTheEditorIsDisabled() {
        SpinWindow w;
        QVERIFY(w.show());
        QApplication::clipboard()->setText("7");
        w.spin->setEditorEnabled(false);
        w.spin->setFocus(Qt::TabFocusReason);
        QTest::keyClick(w.spin, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.spin->text(), std::string("11"));
        w.spin->setEditorEnabled(true);
        QTest::keyClick(w.spin, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(w.spin->text(), std::string("7"));
        QCOMPARE(w.texts, QStringList{"7"});
    }

    void clickingTheArrowsStepsAndTakesTheFocus() {
        SpinWindow w;
        QVERIFY(w.show());
        w.other->setFocus();
        auto* up = w.spin->arrowPair()->upButton();
        QTest::mouseClick(up, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.spin->value(), 12);
        QVERIFY(w.spin->editor()->hasFocus());
        QVERIFY(!w.spin->editor()->hasSelectedText());  // the focus came from a mouse press
        auto* down = w.spin->arrowPair()->downButton();
        QTest::mouseClick(down, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(down, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.texts, (QStringList{"12", "11", "10"}));
    }

    // Held from 20: repeats at 400, 500 and 600 ms, and the release steps once more. The user lets
    // go right after the third repeat, so a busy machine slows the test but cannot fail it; the
    // timing is checked from below only.
    void holdingTheDownArrowRepeats() {
        SpinWindow w;
        QVERIFY(w.show());
        w.spin->setValue(20);
        w.texts.clear();
        auto* down = w.spin->arrowPair()->downButton();
        QElapsedTimer held;
        qint64 thirdRepeatAt = -1;
        QObject::connect(w.spin, &TFlatSpinEditInteger::changed, w.spin, [&] {
            if (w.spin->value() != 17) return;
            thirdRepeatAt = held.elapsed();
            QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(5, 5));
        });
        held.start();
        QTest::mousePress(down, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::qWait(350);
        QCOMPARE(w.spin->value(), 20);
        QTRY_VERIFY_WITH_TIMEOUT(!down->isRepeating(), 5000);
        QVERIFY2(thirdRepeatAt >= 600, qPrintable(QString::number(thirdRepeatAt)));
        QCOMPARE(w.spin->value(), 16);
        QCOMPARE(w.texts, (QStringList{"19", "18", "17", "16"}));
    }

    void holdingStopsQuietlyAtTheLimit() {
        SpinWindow w;
        QVERIFY(w.show());
        w.spin->setValue(11);
        w.texts.clear();
        auto* down = w.spin->arrowPair()->downButton();
        QTest::mousePress(down, Qt::LeftButton, {}, QPoint(5, 5));
        QTRY_COMPARE_WITH_TIMEOUT(w.spin->value(), 9, 5000);
        QTest::qWait(250);
        QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.texts, (QStringList{"10", "9"}));
    }

    void aShortPressStepsOnceOnRelease() {
        SpinWindow w;
        QVERIFY(w.show());
        w.spin->setValue(20);
        auto* down = w.spin->arrowPair()->downButton();
        QTest::mousePress(down, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.spin->value(), 20);
        QTest::qWait(100);
        QTest::mouseRelease(down, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(w.spin->value(), 19);
        QVERIFY(!down->isRepeating());
    }

    void heightFollowsTheFont() {
        SpinWindow w;
        QVERIFY(w.show());
        // Text-metric height 15: the flat-edit rule gives 21, the arrow pair needs 22.
        QCOMPARE(QFontMetrics(w.spin->font()).height(), 15);
        QCOMPARE(w.spin->height(), 22);
        w.spin->resize(49, 40);
        QCOMPARE(w.spin->height(), 40);
        w.spin->setFont(veyrin::fontWithPixelSize(QString::fromUtf8("宋体"), 12));
        QCOMPARE(w.spin->height(), 19);
    }

    void arrowPairSitsInsideTheFrame() {
        SpinWindow w;
        QVERIFY(w.show());
        auto* pair = w.spin->arrowPair();
        QCOMPARE(pair->geometry(), QRect(49 - 24, 3, 22, 16));
        QCOMPARE(pair->upButton()->geometry(), QRect(0, 0, 11, 16));
        QCOMPARE(pair->downButton()->geometry(), QRect(10, 0, 11, 16));
    }

    void frameColoursFollowFocusAndHover() {
        SpinWindow w;
        QVERIFY(w.show());
        QCOMPARE(w.spin->currentBackground(), veyrin::clWhite);
        QImage rest = w.spin->grab().toImage();
        QCOMPARE(rest.pixelColor(0, 0), QColor(0xA0, 0x96, 0x83));  // the border, 0x8396A0
        QCOMPARE(rest.pixelColor(1, 1), QColor(Qt::white));
        w.spin->setFocus(Qt::TabFocusReason);
        QCOMPARE(w.spin->currentBackground(), 0xECF5FF);
        QImage active = w.spin->grab().toImage();
        QCOMPARE(active.pixelColor(2, 2), QColor(0xFF, 0xF5, 0xEC));
        w.other->setFocus();
        QVERIFY(!w.spin->showsActiveLook());
        QEnterEvent enter(QPointF(5, 5), QPointF(15, 15), QPointF(15, 15));
        QApplication::sendEvent(w.spin, &enter);
        QVERIFY(w.spin->showsActiveLook());
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(w.spin, &leave);
        QVERIFY(!w.spin->showsActiveLook());
    }
};

QTEST_MAIN(FlatSpinEditTest)
#include "flat_spin_edit_test.moc"

#include <QDialog>
#include <QElapsedTimer>
#include <QtTest>

#include "controls/ui/sui_button.h"
#include "platform/ui/font_faces.h"

using namespace veyrin;

namespace {

struct LookupButton {
    QWidget window;
    TsuiButton* button = new TsuiButton(&window);
    QWidget* other = new QWidget(&window);
    QSignalSpy clicks{button, &TsuiButton::clicked};
    QSignalSpy repeats{button, &TsuiButton::mouseContinuouslyDown};

    LookupButton() {
        window.setFont(fontWithPixelSize(QString::fromUtf8("宋体"), 12));
        button->setUIStyle(TsuiUIStyle::WinXP);
        button->setCaption(QString::fromUtf8("查找作者"));
        button->setGeometry(10, 10, 73, 23);
        other->setGeometry(100, 10, 20, 20);
        other->setFocusPolicy(Qt::StrongFocus);
        window.resize(200, 60);
    }
    void show() {
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        other->setFocus();
    }
};

}  // namespace

class SuiButtonTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void mouseClickTakesFocusAndClicksOnce() {
        LookupButton b;
        b.show();
        QTest::mouseClick(b.button, Qt::LeftButton, {}, QPoint(30, 10));
        QCOMPARE(b.clicks.count(), 1);
        QVERIFY(b.button->hasFocus());
        QVERIFY(!b.button->isPressed());
    }

    void clickFromCodeLeavesTheFocus() {
        LookupButton b;
        b.show();
        b.button->click();
        QCOMPARE(b.clicks.count(), 1);
        QVERIFY(b.other->hasFocus());
    }

    void pressMoveOffAndReleaseOutsideDoesNotClick() {
        LookupButton b;
        b.show();
        QTest::mousePress(b.button, Qt::LeftButton, {}, QPoint(30, 10));
        QVERIFY(b.button->isPressed());
        QTest::mouseMove(b.button, QPoint(120, 10));
        QVERIFY(!b.button->isPressed());
        QTest::mouseRelease(b.button, Qt::LeftButton, {}, QPoint(120, 10));
        QCOMPARE(b.clicks.count(), 0);
        QVERIFY(!b.button->isPressed());
        QVERIFY(!b.button->isHot());
        // The repeat ends with the press.
        QTest::qWait(250);
        QCOMPARE(b.repeats.count(), 0);
    }

    void holdingRepeatsEveryIntervalThenClicksOnce() {
        LookupButton b;
        b.show();
        QElapsedTimer held;
        held.start();
        QTest::mousePress(b.button, Qt::LeftButton, {}, QPoint(30, 10));
        QCOMPARE(b.repeats.count(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(b.repeats.count(), 3, 2000);
        QVERIFY(held.elapsed() >= 300);
        QTest::mouseRelease(b.button, Qt::LeftButton, {}, QPoint(30, 10));
        const qsizetype repeatsAtRelease = b.repeats.count();
        QCOMPARE(b.clicks.count(), 1);
        QTest::qWait(250);
        QCOMPARE(b.repeats.count(), repeatsAtRelease);
    }

    void spaceAndEnterClickOnRelease() {
        LookupButton b;
        b.show();
        b.button->setFocus();
        QTest::keyPress(b.button, Qt::Key_Space);
        QVERIFY(b.button->isPressed());
        QCOMPARE(b.clicks.count(), 0);
        QTest::keyRelease(b.button, Qt::Key_Space);
        QCOMPARE(b.clicks.count(), 1);
        QTest::keyClick(b.button, Qt::Key_Enter);
        QCOMPARE(b.clicks.count(), 2);
    }

    void disabledButtonIgnoresKeysAndAccelerator() {
        LookupButton b;
        b.button->setCaption(QStringLiteral("&Find"));
        b.show();
        QTest::keyClick(&b.window, Qt::Key_F, Qt::AltModifier);
        QCOMPARE(b.clicks.count(), 1);
        QVERIFY(b.button->hasFocus());
        b.button->setEnabled(false);
        QTest::keyClick(&b.window, Qt::Key_F, Qt::AltModifier);
        QTest::keyClick(b.button, Qt::Key_Space);
        QCOMPARE(b.clicks.count(), 1);
    }

    void defaultAndCancelAnswerKeysTheWindowGets() {
        LookupButton b;
        b.show();
        QTest::keyClick(b.other, Qt::Key_Return);
        QCOMPARE(b.clicks.count(), 0);
        b.button->setDefault(true);
        QTest::keyClick(b.other, Qt::Key_Return);
        QCOMPARE(b.clicks.count(), 1);
        QTest::keyClick(b.other, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(b.other, Qt::Key_Escape);
        QCOMPARE(b.clicks.count(), 1);
        b.button->setCancel(true);
        QTest::keyClick(b.other, Qt::Key_Escape);
        QCOMPARE(b.clicks.count(), 2);
    }

    void styleSetsTransparencyUntilOverridden() {
        TsuiButton button;
        button.setUIStyle(TsuiUIStyle::MacOS);
        QVERIFY(button.transparent());
        button.setUIStyle(TsuiUIStyle::WinXP);
        QVERIFY(!button.transparent());
        button.setUIStyle(TsuiUIStyle::BlueGlass);
        button.setTransparent(false);
        QVERIFY(!button.transparent());
    }

    void modalResultEndsTheOwningDialog() {
        QDialog dialog;
        auto* ok = new TsuiButton(&dialog);
        ok->setModalResult(QDialog::Accepted);
        dialog.show();
        ok->click();
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(SuiButtonTest)
#include "sui_button_test.moc"

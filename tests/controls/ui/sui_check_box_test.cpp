#include <QtTest>

#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_radio_button.h"
#include "platform/ui/font_faces.h"

using namespace veyrin;

namespace {

QFont windowFont() { return fontWithPixelSize(QString::fromUtf8("宋体"), 12); }

// The three spacing buttons of the main window: same parent, group 0.
struct SpacingButtons {
    QWidget window;
    TsuiRadioButton* n33 = new TsuiRadioButton(&window);
    TsuiRadioButton* n38 = new TsuiRadioButton(&window);
    TsuiRadioButton* n39 = new TsuiRadioButton(&window);
    QSignalSpy clicks33{n33, &TsuiCheckBox::clicked};
    QSignalSpy clicks38{n38, &TsuiCheckBox::clicked};
    QSignalSpy clicks39{n39, &TsuiCheckBox::clicked};

    SpacingButtons() {
        window.setFont(windowFont());
        n33->setCaption(QString::fromUtf8("单倍行距"));
        n38->setCaption(QString::fromUtf8("1.5倍行距"));
        n39->setCaption(QString::fromUtf8("双倍行距"));
        n33->move(28, 2);
        n38->move(105, 2);
        n39->move(188, 2);
        window.resize(300, 30);
    }
    QList<bool> states() const { return {n33->checked(), n38->checked(), n39->checked()}; }
    QList<qsizetype> clickCounts() const { return {clicks33.count(), clicks38.count(), clicks39.count()}; }
};

void showAndActivate(QWidget& window) {
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class SuiCheckBoxTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { installFontSubstitutions(); }

    void checkedFromCodeFiresOncePerChange() {
        TsuiCheckBox box;
        QSignalSpy clicks(&box, &TsuiCheckBox::clicked);
        box.setChecked(false);
        QCOMPARE(clicks.count(), 0);
        box.setChecked(true);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(box.checked());
        box.setChecked(true);
        QCOMPARE(clicks.count(), 1);
        box.setChecked(false);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(!box.checked());
    }

    void stateIsAnotherViewOfChecked() {
        TsuiCheckBox box;
        QSignalSpy clicks(&box, &TsuiCheckBox::clicked);
        box.setState(TCheckBoxState::cbChecked);
        QCOMPARE(box.state(), TCheckBoxState::cbChecked);
        box.setState(TCheckBoxState::cbGrayed);
        QVERIFY(!box.checked());
        QCOMPARE(box.state(), TCheckBoxState::cbUnchecked);
        QCOMPARE(clicks.count(), 2);
    }

    void designStateIsSetSilently() {
        TsuiCheckBox box;
        QSignalSpy clicks(&box, &TsuiCheckBox::clicked);
        box.setCheckedSilently(true);
        QVERIFY(box.checked());
        box.setLoading(true);
        box.setChecked(false);
        box.setLoading(false);
        QVERIFY(!box.checked());
        QCOMPARE(clicks.count(), 0);
        box.setChecked(true);
        QCOMPARE(clicks.count(), 1);
    }

    void mouseClickTogglesAndTakesFocus() {
        QWidget window;
        auto* other = new TsuiCheckBox(&window);
        auto* box = new TsuiCheckBox(&window);
        box->move(0, 30);
        showAndActivate(window);
        other->setFocus();
        QSignalSpy clicks(box, &TsuiCheckBox::clicked);
        QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(box->checked());
        QCOMPARE(clicks.count(), 1);
        QVERIFY(box->hasFocus());
        QTest::mouseClick(box, Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 1);
    }

    void releaseOutsideDoesNotClick() {
        TsuiCheckBox box;
        box.show();
        QSignalSpy clicks(&box, &TsuiCheckBox::clicked);
        QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(box.width() + 5, 5));
        QCOMPARE(clicks.count(), 0);
        QVERIFY(!box.checked());
    }

    void doubleClickTogglesTwice() {
        TsuiCheckBox box;
        box.show();
        QSignalSpy clicks(&box, &TsuiCheckBox::clicked);
        // As a double click arrives: press, release, press, double-click, release.
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mousePress(&box, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseDClick(&box, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseRelease(&box, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(clicks.count(), 2);
        QVERIFY(!box.checked());
    }

    void spaceAndEnterToggleOnRelease() {
        QWidget window;
        auto* box = new TsuiCheckBox(&window);
        showAndActivate(window);
        box->setFocus();
        QSignalSpy clicks(box, &TsuiCheckBox::clicked);
        QTest::keyPress(box, Qt::Key_Space);
        QCOMPARE(clicks.count(), 0);
        QTest::keyRelease(box, Qt::Key_Space);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(box->checked());
        QTest::keyClick(box, Qt::Key_Return);
        QCOMPARE(clicks.count(), 2);
        QVERIFY(!box->checked());
        QTest::keyClick(box, Qt::Key_A);
        QCOMPARE(clicks.count(), 2);
    }

    void acceleratorClicksEnabledBoxOnly() {
        QWidget window;
        auto* box = new TsuiCheckBox(&window);
        box->setCaption(QStringLiteral("&Lines"));
        showAndActivate(window);
        QSignalSpy clicks(box, &TsuiCheckBox::clicked);
        QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
        QVERIFY(box->hasFocus());
        box->setEnabled(false);
        QTest::keyClick(&window, Qt::Key_L, Qt::AltModifier);
        QCOMPARE(clicks.count(), 1);
    }

    void checkingRadioUnchecksItsGroupSilently() {
        SpacingButtons b;
        b.n33->setCheckedSilently(true);
        b.n39->setChecked(true);
        QCOMPARE(b.states(), (QList<bool>{false, false, true}));
        QCOMPARE(b.clickCounts(), (QList<qsizetype>{0, 0, 1}));
        b.n39->setChecked(true);
        QCOMPARE(b.clickCounts(), (QList<qsizetype>{0, 0, 1}));
        b.n33->setChecked(true);
        QCOMPARE(b.states(), (QList<bool>{true, false, false}));
        QCOMPARE(b.clickCounts(), (QList<qsizetype>{1, 0, 1}));
    }

    void uncheckingRadioFiresNothing() {
        SpacingButtons b;
        b.n38->setChecked(true);
        b.n38->setChecked(false);
        QCOMPARE(b.states(), (QList<bool>{false, false, false}));
        QCOMPARE(b.clickCounts(), (QList<qsizetype>{0, 1, 0}));
    }

    void designStateOfRadioStillUnchecksTheGroup() {
        SpacingButtons b;
        b.n33->setChecked(true);
        b.n38->setCheckedSilently(true);
        QCOMPARE(b.states(), (QList<bool>{false, true, false}));
        QCOMPARE(b.clickCounts(), (QList<qsizetype>{1, 0, 0}));
    }

    void clickingRadioChecksOnceAndNeverUnchecks() {
        SpacingButtons b;
        b.window.show();
        QTest::mouseClick(b.n38, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(b.states(), (QList<bool>{false, true, false}));
        QCOMPARE(b.clickCounts(), (QList<qsizetype>{0, 1, 0}));
        QTest::mouseClick(b.n38, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(b.states(), (QList<bool>{false, true, false}));
        QCOMPARE(b.clickCounts(), (QList<qsizetype>{0, 1, 0}));
        QTest::mouseClick(b.n33, Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(b.states(), (QList<bool>{true, false, false}));
        QCOMPARE(b.clickCounts(), (QList<qsizetype>{1, 1, 0}));
    }

    void spaceDoesNotClickRadio() {
        SpacingButtons b;
        showAndActivate(b.window);
        b.n33->setFocus();
        QTest::keyClick(b.n33, Qt::Key_Space);
        QTest::keyClick(b.n33, Qt::Key_Return);
        QCOMPARE(b.states(), (QList<bool>{false, false, false}));
        QCOMPARE(b.clickCounts(), (QList<qsizetype>{0, 0, 0}));
    }

    void otherGroupsAndParentsAreLeftAlone() {
        SpacingButtons b;
        auto* otherGroup = new TsuiRadioButton(&b.window);
        otherGroup->setGroupIndex(1);
        otherGroup->setChecked(true);
        QWidget elsewhere;
        auto* otherParent = new TsuiRadioButton(&elsewhere);
        otherParent->setChecked(true);
        auto* plainBox = new TsuiCheckBox(&b.window);
        plainBox->setChecked(true);
        b.n38->setChecked(true);
        QVERIFY(otherGroup->checked());
        QVERIFY(otherParent->checked());
        QVERIFY(plainBox->checked());
    }
};

QTEST_MAIN(SuiCheckBoxTest)
#include "sui_check_box_test.moc"

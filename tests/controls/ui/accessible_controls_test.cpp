#include <QAccessible>
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "controls/ui/flat_speed_button.h"
#include "controls/ui/flat_spin_edit.h"
#include "controls/ui/sui_button.h"
#include "controls/ui/sui_check_box.h"
#include "controls/ui/sui_radio_button.h"
#include "platform/model/gbk_text.h"
#include "support/accessible_events.h"
#include "support/veyrin_test_main.h"

using namespace veyrin;
using namespace veyrin::test;

namespace {

QAccessibleInterface* accessibleOf(QObject* object) {
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(object);
    if (iface == nullptr) qFatal("no accessible interface");
    return iface;
}

QStringList actionsOf(QObject* object) { return accessibleOf(object)->actionInterface()->actionNames(); }

}  // namespace

class AccessibleControlsTest : public QObject {
    Q_OBJECT

private slots:
    void init() { startRecordingAccessibleEvents(); }

    // A picture button is read by the word its picture stands for, with its hint, and pressing it
    // through the reader runs its click.
    void pictureButtonIsANamedPushButton() {
        QWidget window;
        auto* button = new TFlatSpeedButton(&window);
        button->setCaption(gbk::fromUtf8("字颜色(&C)"));
        button->setToolTip(QStringLiteral("改变文字颜色"));
        QAccessibleInterface* iface = accessibleOf(button);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("字颜色(C)"));
        QCOMPARE(iface->text(QAccessible::Description), QStringLiteral("改变文字颜色"));
        QCOMPARE(actionsOf(button), QStringList{QAccessibleActionInterface::pressAction()});

        QSignalSpy clicks(button, &TFlatSpeedButton::clicked);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);

        recordedAccessibleEvents().clear();
        button->setCaption(gbk::fromUtf8("背景色"));
        QCOMPARE(accessibleEventsOf(button, QAccessible::NameChanged).count(), 1);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("背景色"));

        button->setEnabled(false);
        QVERIFY(iface->state().disabled);
        QVERIFY(actionsOf(button).isEmpty());
    }

    // Buttons of a group latch: a reader hears them as checked or not, and hears the change.
    void latchingPictureButtonReportsChecked() {
        QWidget window;
        auto* button = new TFlatSpeedButton(&window);
        button->setGroupIndex(1);
        button->setAllowAllUp(true);
        QAccessibleInterface* iface = accessibleOf(button);
        QVERIFY(iface->state().checkable);
        QVERIFY(!iface->state().checked);
        button->setDown(true);
        QVERIFY(iface->state().checked);
        const auto events = accessibleEventsOf(button, QAccessible::StateChanged);
        QCOMPARE(events.count(), 1);
        QVERIFY(events.first().changed.checked);
    }

    void checkBoxToggleAndStateEvents() {
        QWidget window;
        auto* box = new TsuiCheckBox(&window);
        box->setCaption(QStringLiteral("显示水线"));
        QAccessibleInterface* iface = accessibleOf(box);
        QCOMPARE(iface->role(), QAccessible::CheckBox);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("显示水线"));
        QVERIFY(iface->state().checkable);
        QVERIFY(iface->state().focusable);
        QCOMPARE(actionsOf(box), QStringList{QAccessibleActionInterface::toggleAction()});

        QSignalSpy clicks(box, &TsuiCheckBox::clicked);
        iface->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(box->checked());
        QVERIFY(iface->state().checked);
        QCOMPARE(clicks.count(), 1);
        box->setChecked(false);
        box->setChecked(false);  // no change, nothing to announce
        QCOMPARE(accessibleEventsOf(box, QAccessible::StateChanged).count(), 2);
    }

    // Checking one radio button unchecks its group mates; the reader hears both.
    void radioButtonsAnnounceTheGroupChange() {
        QWidget window;
        auto* single = new TsuiRadioButton(&window);
        auto* twice = new TsuiRadioButton(&window);
        single->setCaption(QStringLiteral("单倍行距"));
        twice->setCaption(QStringLiteral("双倍行距"));
        QCOMPARE(accessibleOf(single)->role(), QAccessible::RadioButton);
        twice->setChecked(true);
        accessibleOf(single)->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
        QVERIFY(accessibleOf(single)->state().checked);
        QVERIFY(!accessibleOf(twice)->state().checked);
        QCOMPARE(accessibleEventsOf(twice, QAccessible::StateChanged).count(), 2);
    }

    void themedButtonPressesAndShowsHover() {
        QWidget window;
        auto* button = new TsuiButton(&window);
        button->setCaption(QStringLiteral("查找作者"));
        QAccessibleInterface* iface = accessibleOf(button);
        QCOMPARE(iface->role(), QAccessible::Button);
        QCOMPARE(iface->text(QAccessible::Name), QStringLiteral("查找作者"));
        QSignalSpy clicks(button, &TsuiButton::clicked);
        iface->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCOMPARE(clicks.count(), 1);
        QVERIFY(!iface->state().hotTracked);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
        QCoreApplication::sendEvent(button, &enter);
        QVERIFY(iface->state().hotTracked);
    }

    void spinEditIsASpinBoxWithItsValue() {
        QWidget window;
        auto* edit = new TFlatSpinEditInteger(&window);
        edit->setMinValue(9);
        edit->setMaxValue(24);
        edit->setValue(11);
        QAccessibleInterface* iface = accessibleOf(edit);
        QCOMPARE(iface->role(), QAccessible::SpinBox);
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("11"));
        QAccessibleValueInterface* value = iface->valueInterface();
        QVERIFY(value != nullptr);
        QCOMPARE(value->minimumValue().toInt(), 9);
        QCOMPARE(value->maximumValue().toInt(), 24);
        recordedAccessibleEvents().clear();
        value->setCurrentValue(15);
        QCOMPARE(edit->value(), 15);
        QCOMPARE(iface->text(QAccessible::Value), QStringLiteral("15"));
        QCOMPARE(accessibleEventsOf(edit, QAccessible::ValueChanged).count(), 1);
    }
};

VEYRIN_TEST_MAIN(AccessibleControlsTest)
#include "accessible_controls_test.moc"

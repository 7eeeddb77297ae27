#include "controls/ui/accessible_controls.h"

#include <QAccessible>

#include "controls/ui/flat_speed_button.h"
#include "controls/ui/flat_spin_edit.h"
#include "controls/ui/sui_button.h"
#include "controls/ui/sui_check_box.h"
#include "platform/ui/gbk_qt.h"

namespace veyrin {

QString accessibleCaption(const QString& caption) {
    QString out;
    out.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size()) ++i;
        else if (caption.at(i) == QLatin1Char('&')) continue;
        out.append(caption.at(i));
    }
    return out;
}

void notifyAccessibleState(QObject* control, const QAccessible::State& changed) {
    QAccessibleStateChangeEvent event(control, changed);
    QAccessible::updateAccessibility(&event);
}

void notifyAccessibleName(QObject* control) {
    QAccessibleEvent event(control, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
}

QAccessible::State hotChange() {
    QAccessible::State changed;
    changed.hotTracked = true;
    return changed;
}

QAccessible::State checkedChange() {
    QAccessible::State changed;
    changed.checked = true;
    return changed;
}

void notifyAccessibleValue(QObject* control, int value) {
    QAccessibleValueChangeEvent event(control, value);
    QAccessible::updateAccessibility(&event);
}

// --- AccessiblePressable ---------------------------------------------------------------------------

AccessiblePressable::AccessiblePressable(QWidget* control, QAccessible::Role role)
    : QAccessibleWidget(control, role) {}

QString AccessiblePressable::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return accessibleCaption(caption());
    if (t == QAccessible::Description && widget()->accessibleDescription().isEmpty()) return widget()->toolTip();
    return QAccessibleWidget::text(t);
}

QStringList AccessiblePressable::actionNames() const {
    return widget()->isEnabled() ? QStringList{pressAction()} : QStringList{};
}

void AccessiblePressable::doAction(const QString& actionName) {
    if (widget()->isEnabled() && actionName == pressAction()) press();
}

// --- AccessibleSpeedButton ------------------------------------------------------------------------

AccessibleSpeedButton::AccessibleSpeedButton(TFlatSpeedButton* button)
    : AccessiblePressable(button, button->groupIndex() != 0 ? QAccessible::CheckBox : QAccessible::Button) {}

TFlatSpeedButton* AccessibleSpeedButton::button() const { return static_cast<TFlatSpeedButton*>(widget()); }

QString AccessibleSpeedButton::caption() const { return gbkToQString(button()->caption()); }

void AccessibleSpeedButton::press() { button()->click(); }

QAccessible::State AccessibleSpeedButton::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.hotTracked = button()->showsHoverLook();
    s.pressed = button()->state() == SpeedButtonState::Pressed;
    if (button()->groupIndex() != 0) {
        s.checkable = true;
        s.checked = button()->isDown();
    }
    return s;
}

// --- AccessibleThemedButton -----------------------------------------------------------------------

AccessibleThemedButton::AccessibleThemedButton(TsuiButton* button)
    : AccessiblePressable(button, QAccessible::Button) {}

TsuiButton* AccessibleThemedButton::button() const { return static_cast<TsuiButton*>(widget()); }

QString AccessibleThemedButton::caption() const { return button()->caption(); }

void AccessibleThemedButton::press() { button()->click(); }

QAccessible::State AccessibleThemedButton::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.hotTracked = button()->isHot();
    s.pressed = button()->isPressed();
    s.defaultButton = button()->isDefault();
    return s;
}

// --- AccessibleCheckBox ---------------------------------------------------------------------------

AccessibleCheckBox::AccessibleCheckBox(TsuiCheckBox* box, bool radio)
    : AccessiblePressable(box, radio ? QAccessible::RadioButton : QAccessible::CheckBox) {}

TsuiCheckBox* AccessibleCheckBox::box() const { return static_cast<TsuiCheckBox*>(widget()); }

QString AccessibleCheckBox::caption() const { return box()->caption(); }

void AccessibleCheckBox::press() { box()->click(); }

QAccessible::State AccessibleCheckBox::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.checkable = true;
    s.checked = box()->checked();
    return s;
}

QStringList AccessibleCheckBox::actionNames() const {
    return widget()->isEnabled() ? QStringList{toggleAction()} : QStringList{};
}

void AccessibleCheckBox::doAction(const QString& actionName) {
    if (widget()->isEnabled() && (actionName == toggleAction() || actionName == pressAction())) press();
}

// --- AccessibleSpinEdit ---------------------------------------------------------------------------

AccessibleSpinEdit::AccessibleSpinEdit(TFlatSpinEditInteger* edit) : QAccessibleWidget(edit, QAccessible::SpinBox) {}

TFlatSpinEditInteger* AccessibleSpinEdit::edit() const { return static_cast<TFlatSpinEditInteger*>(widget()); }

QString AccessibleSpinEdit::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return gbkToQString(edit()->text());
    return QAccessibleWidget::text(t);
}

void* AccessibleSpinEdit::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QVariant AccessibleSpinEdit::currentValue() const { return edit()->value(); }
void AccessibleSpinEdit::setCurrentValue(const QVariant& value) { edit()->setValue(value.toInt()); }
QVariant AccessibleSpinEdit::maximumValue() const { return edit()->maxValue(); }
QVariant AccessibleSpinEdit::minimumValue() const { return edit()->minValue(); }
QVariant AccessibleSpinEdit::minimumStepSize() const { return edit()->increment(); }

}  // namespace veyrin

#pragma once
// What a screen reader learns about the custom-drawn controls: the role, the caption as name (for
// a picture button the word its picture stands for), the hint as description, the states and the
// action a press or toggle runs. Qt's own widgets describe themselves.

#include <QAccessibleWidget>

namespace veyrin {

class TFlatSpeedButton;
class TsuiCheckBox;
class TsuiButton;
class TFlatSpinEditInteger;

// A caption with its accelerator marks removed ("&&" stays one '&').
QString accessibleCaption(const QString& caption);

// Announces a change of a control's states, e.g. {checked} or {hotTracked}.
void notifyAccessibleState(QObject* control, const QAccessible::State& changed);
void notifyAccessibleName(QObject* control);
QAccessible::State hotChange();
QAccessible::State checkedChange();
// A number box's value as a reader hears it.
void notifyAccessibleValue(QObject* control, int value);

// Shared by the pressable controls: name from the caption, the press action.
class AccessiblePressable : public QAccessibleWidget {
public:
    AccessiblePressable(QWidget* control, QAccessible::Role role);
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    virtual QString caption() const = 0;
    virtual void press() = 0;
};

class AccessibleSpeedButton : public AccessiblePressable {
public:
    explicit AccessibleSpeedButton(TFlatSpeedButton* button);
    QAccessible::State state() const override;

protected:
    QString caption() const override;
    void press() override;

private:
    TFlatSpeedButton* button() const;
};

class AccessibleThemedButton : public AccessiblePressable {
public:
    explicit AccessibleThemedButton(TsuiButton* button);
    QAccessible::State state() const override;

protected:
    QString caption() const override;
    void press() override;

private:
    TsuiButton* button() const;
};

// Check boxes and radio buttons: the action toggles (a checked radio button stays checked).
class AccessibleCheckBox : public AccessiblePressable {
public:
    explicit AccessibleCheckBox(TsuiCheckBox* box, bool radio);
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

protected:
    QString caption() const override;
    void press() override;

private:
    TsuiCheckBox* box() const;
};

// The number box: a spin box whose value is its shown text; the text field inside is its child.
class AccessibleSpinEdit : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit AccessibleSpinEdit(TFlatSpinEditInteger* edit);
    QString text(QAccessible::Text t) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QVariant currentValue() const override;
    void setCurrentValue(const QVariant& value) override;
    QVariant maximumValue() const override;
    QVariant minimumValue() const override;
    QVariant minimumStepSize() const override;

private:
    TFlatSpinEditInteger* edit() const;
};

}  // namespace veyrin

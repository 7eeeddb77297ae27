#include "controls/ui/sui_radio_button.h"

#include "controls/model/theme_table.h"

namespace veyrin {

TsuiRadioButton::TsuiRadioButton(QWidget* parent) : TsuiCheckBox(parent) {}

int TsuiRadioButton::picturePosition() const { return themepos::RadioButtonPicture; }

void TsuiRadioButton::checkedChanged() {
    if (!checked()) return;
    uncheckGroupMembers();
    fireClick();
}

void TsuiRadioButton::toggle() {
    if (!checked()) setChecked(true);
}

void TsuiRadioButton::uncheckGroupMembers() {
    QWidget* parent = parentWidget();
    if (!parent) return;
    for (QObject* child : parent->children()) {
        auto* other = qobject_cast<TsuiRadioButton*>(child);
        if (other && other != this && other->groupIndex() == m_groupIndex) other->setChecked(false);
    }
}

}  // namespace veyrin

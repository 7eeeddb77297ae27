#pragma once
// The themed radio button: checking one (by the user or the program) first unchecks, silently,
// every other radio button with the same parent and group, then fires its click signal.
// Unchecking fires nothing, clicking a checked one does nothing, and Space/Enter do not click.

#include "controls/ui/sui_check_box.h"

namespace veyrin {

class TsuiRadioButton : public TsuiCheckBox {
    Q_OBJECT
public:
    explicit TsuiRadioButton(QWidget* parent = nullptr);

    int groupIndex() const { return m_groupIndex; }
    void setGroupIndex(int groupIndex) { m_groupIndex = groupIndex; }

protected:
    bool pictureTransparent() const override { return true; }
    int picturePosition() const override;
    void checkedChanged() override;
    void toggle() override;
    bool keysClick() const override { return false; }

private:
    void uncheckGroupMembers();

    int m_groupIndex = 0;
};

}  // namespace veyrin

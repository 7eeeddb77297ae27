#pragma once
// The font-size box: a one-line number field in a flat 3-pixel frame with a pair of repeating arrow
// buttons inside it. changed() (OnChange) fires exactly once for every change of the shown text,
// typed or set from code, and never when the text stays the same.

#include <QWidget>

#include <string>

#include "controls/model/spin_value_rules.h"
#include "platform/model/color.h"

class QLineEdit;

namespace veyrin {

class TSpinButton;
class FlatSpinTextField;

class TFlatSpinEditInteger : public QWidget {
    Q_OBJECT
public:
    explicit TFlatSpinEditInteger(QWidget* parent = nullptr);
    ~TFlatSpinEditInteger() override;

    // The text read as a number, not limited while the user types; a text that is not a number
    // (an empty one included) reads as minValue().
    int value() const;
    // Limits the value and shows it as decimal text; changed() fires if the text changes.
    void setValue(int value);

    // The shown text (GBK). setText fires changed() when the text changes.
    std::string text() const;
    void setText(const std::string& gbkText);

    int minValue() const { return limits_.minValue; }
    void setMinValue(int value);
    int maxValue() const { return limits_.maxValue; }
    void setMaxValue(int value);
    int increment() const { return increment_; }
    void setIncrement(int step) { increment_ = step; }

    bool editorEnabled() const { return editorEnabled_; }
    void setEditorEnabled(bool on);
    bool isReadOnly() const { return readOnly_; }
    void setReadOnly(bool on);
    bool autoSelect() const { return autoSelect_; }
    void setAutoSelect(bool on) { autoSelect_ = on; }

    TColor colorFlat() const { return colorFlat_; }
    void setColorFlat(TColor color);  // clears ParentColor
    TColor colorFocused() const { return colorFocused_; }
    void setColorFocused(TColor color);
    TColor colorBorder() const { return colorBorder_; }
    void setColorBorder(TColor color);
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool on);
    int advColorFocused() const { return advColorFocused_; }
    void setAdvColorFocused(int percent);
    int advColorBorder() const { return advColorBorder_; }
    void setAdvColorBorder(int percent);
    bool useAdvColors() const { return useAdvColors_; }
    void setUseAdvColors(bool on);

    // Value +/- Increment, limited; a read-only box beeps instead.
    void stepUp();
    void stepDown();

    // The active look: focused, or under the mouse while the program has an active window.
    bool showsActiveLook() const;
    TColor currentBackground() const;

    TSpinButton* arrowPair() const { return arrows_; }
    QLineEdit* editor() const;

signals:
    void changed();  // OnChange

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class FlatSpinTextField;

    // Called by the text field.
    bool filterKeyPress(QKeyEvent* event);
    bool acceptsText(const QString& typed, bool editorEnabled) const;
    void entered(Qt::FocusReason reason);
    void left(Qt::FocusReason reason);

    void textEdited();
    void applyHeightRule();
    void placeChildren();
    void refreshLook();
    void refreshAdvColors();
    void refreshEditorReadOnly();
    void setColorValue(TColor& slot, TColor color);
    int textMetricHeight() const;

    FlatSpinTextField* field_;
    TSpinButton* arrows_;
    QString shownText_;
    SpinLimits limits_;
    int increment_ = 1;
    bool editorEnabled_ = true;
    bool readOnly_ = false;
    bool autoSelect_ = true;
    TColor colorFlat_ = 0xE1EAEB;
    TColor colorFocused_ = 0xFFFFFF;
    TColor colorBorder_ = 0x8396A0;
    bool parentColor_ = true;
    int advColorFocused_ = 10;
    int advColorBorder_ = 50;
    bool useAdvColors_ = false;
    bool hover_ = false;
    bool forwardingKey_ = false;
};

}  // namespace veyrin

#pragma once
// The themed pick-only drop-down list: the platform's combo box behaviour with a flat one-colour
// frame, a themed drop-down button and an arrow drawn over it. Items are GBK byte strings, held
// as bytes (GbkItemListModel) and turned into text only for the rows shown.
//
// Event rules: setItemIndex() from code never notifies; a selection the user makes (in the open
// list, or with the arrow keys or typed letters on the closed box) emits userSelected(). Connect
// to userSelected(), not to QComboBox's index signals, which also fire for changes from code.

#include <QComboBox>

#include <string>
#include <vector>

#include "controls/model/ui_style.h"
#include "platform/model/color.h"

namespace veyrin {

class GbkItemListModel;

class TsuiComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TsuiComboBox(QWidget* parent = nullptr);

    const std::vector<std::string>& items() const;
    void setItems(std::vector<std::string> items);
    void appendItem(const std::string& item);
    void clearItems();
    int itemCount() const { return count(); }

    // -1 when nothing is selected.
    int itemIndex() const { return currentIndex(); }
    // The same index does nothing; -1, any negative value or one past the end clears the box.
    void setItemIndex(int index);
    // The selected item's bytes, or empty.
    std::string selectedText() const;

    TsuiUIStyle uiStyle() const { return m_style; }
    // Resets ArrowColor to black, BorderColor and ButtonColor to the style's theme colours.
    void setUIStyle(TsuiUIStyle style);

    TColor borderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    TColor arrowColor() const { return m_arrowColor; }
    void setArrowColor(TColor color);
    TColor buttonColor() const { return m_buttonColor; }
    void setButtonColor(TColor color);
    // The box's own fill (white by default).
    TColor color() const { return m_color; }
    void setColor(TColor color);

    int itemHeight() const { return m_itemHeight; }
    void setItemHeight(int height);

    // Rows shown in the open list before it scrolls.
    int dropDownCount() const { return maxVisibleItems(); }
    void setDropDownCount(int rows) { setMaxVisibleItems(rows); }

    // The drop-down button's rectangle, as the platform's combo box places it.
    QRect buttonRect() const;

    void showPopup() override;
    void hidePopup() override;

signals:
    void userSelected();

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paintText(QPainter& p) const;
    void paintButton(QPainter& p) const;
    void paintArrow(QPainter& p) const;

    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    TColor m_borderColor = 0;
    TColor m_arrowColor = clBlack;
    TColor m_buttonColor = 0;
    TColor m_color = clWhite;
    int m_itemHeight = 12;
    GbkItemListModel* m_items = nullptr;
};

}  // namespace veyrin

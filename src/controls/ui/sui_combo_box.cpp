#include "controls/ui/sui_combo_box.h"

#include <QAbstractItemView>
#include <QEvent>
#include <QFrame>
#include <QListView>
#include <QPainter>
#include <QProxyStyle>
#include <QStyledItemDelegate>

#include <utility>

#include "controls/model/theme_table.h"
#include "controls/ui/density_picture.h"
#include "controls/ui/gbk_item_list_model.h"
#include "controls/ui/pixel_lines.h"
#include "controls/ui/theme_drawing.h"
#include "platform/ui/gbk_qt.h"
#include "platform/ui/qt_color.h"

namespace veyrin {

namespace {

// The platform's drop-down button is a scroll bar's width, inside the 2-pixel edge.
constexpr int kButtonWidth = 17;
constexpr int kEdge = 2;

// The open list hangs below the box in a plain one-pixel frame, as on the platform the program
// comes from, rather than over it like a menu.
class DropDownListStyle : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ComboBox_Popup) return 0;
        if (hint == SH_ComboBox_PopupFrameStyle) return QFrame::Box | QFrame::Plain;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

// Rows of exactly the item height, with the platform's highlight for the current row.
class ItemRowDelegate : public QStyledItemDelegate {
public:
    explicit ItemRowDelegate(const TsuiComboBox& box) : QStyledItemDelegate(const_cast<TsuiComboBox*>(&box)), m_box(box) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        return {QStyledItemDelegate::sizeHint(option, index).width(), m_box.itemHeight()};
    }

    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        const bool current = option.state & (QStyle::State_Selected | QStyle::State_MouseOver);
        p->fillRect(option.rect, toQColor(current ? clHighlight : m_box.color()));
        p->setPen(toQColor(current ? clHighlightText : clWindowText));
        p->setFont(m_box.font());
        p->drawText(option.rect.adjusted(2, 0, -2, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                    index.data(Qt::DisplayRole).toString());
    }

private:
    const TsuiComboBox& m_box;
};

void drawArrowTriangle(QPainter& p, int x, int y, const QColor& color) {
    for (int row = 0; row <= 3; ++row) drawPixelLine(p, QPoint(x + row, y + row), QPoint(x + 6 - row, y + row), color);
}

}  // namespace

TsuiComboBox::TsuiComboBox(QWidget* parent) : QComboBox(parent) {
    setEditable(false);
    m_items = new GbkItemListModel(this);
    setModel(m_items);
    // Neither the box's size nor the open list's rows may depend on measuring every item: a
    // catalogue can hold millions.
    setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    auto* style = new DropDownListStyle;
    style->setParent(this);
    setStyle(style);
    setItemDelegate(new ItemRowDelegate(*this));
    setAttribute(Qt::WA_OpaquePaintEvent);
    if (auto* list = qobject_cast<QListView*>(view())) list->setUniformItemSizes(true);
    view()->parentWidget()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this] { emit userSelected(); });
    m_borderColor = themeColor(m_style, themepos::BorderColour);
    m_buttonColor = themeColor(m_style, themepos::ButtonFaceColour);
}

const std::vector<std::string>& TsuiComboBox::items() const { return m_items->items(); }

void TsuiComboBox::setItems(std::vector<std::string> items) {
    m_items->setItems(std::move(items));
    setCurrentIndex(-1);
}

void TsuiComboBox::appendItem(const std::string& item) {
    const int wasIndex = currentIndex();
    m_items->append(item);
    if (currentIndex() != wasIndex) setCurrentIndex(wasIndex);
}

void TsuiComboBox::clearItems() { setItems({}); }

void TsuiComboBox::setItemIndex(int index) {
    if (index < 0 || index >= count()) index = -1;
    if (index == currentIndex()) return;
    setCurrentIndex(index);
}

std::string TsuiComboBox::selectedText() const {
    return m_items->item(currentIndex());
}

void TsuiComboBox::setUIStyle(TsuiUIStyle style) {
    m_style = style;
    m_arrowColor = clBlack;
    m_borderColor = themeColor(style, themepos::BorderColour);
    m_buttonColor = themeColor(style, themepos::ButtonFaceColour);
    update();
}

void TsuiComboBox::setBorderColor(TColor color) {
    if (color == m_borderColor) return;
    m_borderColor = color;
    update();
}

void TsuiComboBox::setArrowColor(TColor color) {
    if (color == m_arrowColor) return;
    m_arrowColor = color;
    update();
}

void TsuiComboBox::setButtonColor(TColor color) {
    if (color == m_buttonColor) return;
    m_buttonColor = color;
    update();
}

void TsuiComboBox::setColor(TColor color) {
    if (color == m_color) return;
    m_color = color;
    update();
}

void TsuiComboBox::setItemHeight(int height) {
    if (height == m_itemHeight || height <= 0) return;
    m_itemHeight = height;
    view()->doItemsLayout();
}

QRect TsuiComboBox::buttonRect() const {
    return QRect(width() - kEdge - kButtonWidth, kEdge, kButtonWidth, height() - 2 * kEdge);
}

void TsuiComboBox::showPopup() {
    QComboBox::showPopup();
    view()->parentWidget()->update();
}

void TsuiComboBox::hidePopup() {
    QComboBox::hidePopup();
    // The list's frame is gone with it; let the window repaint what lay under the list.
    if (parentWidget()) parentWidget()->update();
}

void TsuiComboBox::paintEvent(QPaintEvent*) {
    QImage buffer = offscreenBuffer(*this);
    QPainter p(&buffer);
    p.fillRect(rect(), toQColor(m_color));
    drawPixelFrame(p, rect(), toQColor(m_borderColor));
    paintText(p);
    paintButton(p);
    if (m_style != TsuiUIStyle::WinXP) paintArrow(p);
    p.end();
    QPainter(this).drawImage(0, 0, buffer);
}

void TsuiComboBox::paintText(QPainter& p) const {
    if (currentIndex() < 0) return;
    const QRect textRect(3, 3, buttonRect().left() - 3 - 1, height() - 6);
    const bool highlighted = hasFocus() && !view()->isVisible();
    if (highlighted) p.fillRect(textRect, toQColor(clHighlight));
    p.setPen(toQColor(!isEnabled() ? clGrayText : highlighted ? clHighlightText : clWindowText));
    p.setFont(font());
    p.drawText(textRect.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, currentText());
}

void TsuiComboBox::paintButton(QPainter& p) const {
    const QRect button = buttonRect();
    const char* picture = m_style == TsuiUIStyle::MacOS   ? "MACOS_COMBOBOX_BUTTON"
                          : m_style == TsuiUIStyle::WinXP ? "WINXP_COMBOBOX_BUTTON"
                                                          : nullptr;
    if (picture) {
        const QImage image = themeBitmap(picture, pictureDensity(*this));
        if (!image.isNull()) p.drawImage(button.topLeft(), stretchedTo(image, button.size()));
        return;
    }
    p.fillRect(button, toQColor(m_buttonColor));
    drawPixelLine(p, QPoint(button.left(), button.top() - 1), QPoint(button.left(), button.bottom() + 1),
                  toQColor(m_borderColor));
}

void TsuiComboBox::paintArrow(QPainter& p) const {
    const QRect button = buttonRect();
    const int x = button.left() + button.width() / 2 - 3;
    const int y = button.height() / 2;
    if (isEnabled()) {
        drawArrowTriangle(p, x, y, toQColor(m_arrowColor));
    } else {
        drawArrowTriangle(p, x + 1, y + 1, Qt::white);
        drawArrowTriangle(p, x, y, toQColor(clGray));
    }
}

bool TsuiComboBox::eventFilter(QObject* watched, QEvent* event) {
    auto* container = view()->parentWidget();
    if (watched == container && event->type() == QEvent::Paint) {
        // Let the list paint itself, then lay the frame in BorderColor over its edge.
        static_cast<QObject*>(container)->event(event);
        QPainter p(container);
        drawPixelFrame(p, container->rect(), toQColor(m_borderColor));
        return true;
    }
    return QComboBox::eventFilter(watched, event);
}

}  // namespace veyrin

#include "controls/ui/sui_check_box.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>

#include "controls/model/check_box_geometry.h"
#include "controls/model/theme_table.h"
#include "controls/ui/accessible_controls.h"
#include "controls/ui/density_picture.h"
#include "controls/ui/focus_rect.h"
#include "controls/ui/theme_drawing.h"
#include "platform/ui/qt_color.h"

namespace veyrin {

namespace {
constexpr int kBoxFrames = 4;
QRect toQRect(const PixelRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
}  // namespace

TsuiCheckBox::TsuiCheckBox(QWidget* parent) : QWidget(parent) {
    resize(93, 17);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TsuiCheckBox::setCaption(const QString& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    m_accelerator.update(*this, caption);
    applyAutoSize();
    update();
    notifyAccessibleName(this);
}

void TsuiCheckBox::setChecked(bool checked) {
    if (checked == m_checked) return;
    m_checked = checked;
    update();
    notifyAccessibleState(this, checkedChange());
    checkedChanged();
}

void TsuiCheckBox::setCheckedSilently(bool checked) {
    const bool wasLoading = m_loading;
    m_loading = true;
    setChecked(checked);
    m_loading = wasLoading;
}

void TsuiCheckBox::setUIStyle(TsuiUIStyle style) {
    if (style == m_style) return;
    m_style = style;
    applyAutoSize();
    update();
}

void TsuiCheckBox::setAutoSize(bool autoSize) {
    if (autoSize == m_autoSize) return;
    m_autoSize = autoSize;
    applyAutoSize();
    update();
}

void TsuiCheckBox::setTransparent(bool transparent) {
    if (transparent == m_transparent) return;
    m_transparent = transparent;
    update();
}

TColor TsuiCheckBox::color() const {
    if (m_ownColor) return m_color;
    const QWidget* from = parentWidget();
    return from ? fromQColor(from->palette().color(from->backgroundRole())) : clBtnFace;
}

void TsuiCheckBox::setColor(TColor color) {
    m_ownColor = true;
    if (color == m_color) return;
    m_color = color;
    update();
}

void TsuiCheckBox::setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus); }

void TsuiCheckBox::click() {
    if (focusPolicy() != Qt::NoFocus && isEnabled() && isVisible()) setFocus(Qt::MouseFocusReason);
    toggle();
}

int TsuiCheckBox::picturePosition() const { return themepos::CheckBoxPicture; }

void TsuiCheckBox::checkedChanged() { fireClick(); }

void TsuiCheckBox::fireClick() {
    if (!m_loading) emit clicked();
}

void TsuiCheckBox::toggle() { setChecked(!m_checked); }

QImage TsuiCheckBox::boxPicture() const {
    return loadThemeFrame(m_style, picturePosition(), kBoxFrames, checkBoxFrame(m_checked, isEnabled()),
                          pictureDensity(*this));
}

QSize TsuiCheckBox::pictureSize() const {
    QImage strip = loadThemeBitmap(m_style, picturePosition());
    return strip.isNull() ? QSize(0, 0) : QSize(strip.width() / kBoxFrames, strip.height());
}

namespace {
CheckBoxMetrics metricsFor(const QFont& font, const QString& caption, QSize picture) {
    QFontMetrics fm(font);
    return {picture.width(), picture.height(), fm.height(), fm.horizontalAdvance(captionWithoutMarks(caption))};
}
}  // namespace

void TsuiCheckBox::applyAutoSize() {
    if (!m_autoSize) return;
    ControlSize size = checkBoxAutoSize(metricsFor(font(), m_caption, pictureSize()));
    resize(size.width, size.height);
}

QSize TsuiCheckBox::sizeHint() const {
    ControlSize size = checkBoxAutoSize(metricsFor(font(), m_caption, pictureSize()));
    return {size.width, size.height};
}

void TsuiCheckBox::paintEvent(QPaintEvent*) {
    QImage picture = boxPicture();
    const CheckBoxMetrics metrics = metricsFor(font(), m_caption, logicalSize(picture));
    const CheckBoxLayout layout = checkBoxLayout(metrics, width(), height());

    QImage buffer = offscreenBuffer(*this);
    QPainter p(&buffer);
    if (m_transparent)
        copyParentBackground(p, *this);
    else
        p.fillRect(rect(), toQColor(color()));

    if (!picture.isNull()) {
        if (pictureTransparent()) picture = withTransparentColor(picture, picture.pixel(0, picture.height() - 1));
        p.drawImage(layout.picture.left, layout.picture.top, picture);
    }

    // A disabled control keeps its caption colour; only the box shows the state.
    p.setFont(font());
    p.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    p.drawText(toQRect(layout.caption), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextShowMnemonic,
               m_caption);

    if (hasFocusMark()) drawDottedFocusRect(p, toQRect(layout.focusMark));
    p.end();

    QPainter(this).drawImage(0, 0, buffer);
}

bool TsuiCheckBox::isClickKey(int key) const {
    return keysClick() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter);
}

void TsuiCheckBox::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) m_mouseDown = true;
    QWidget::mousePressEvent(event);
}

void TsuiCheckBox::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasDown = m_mouseDown && event->button() == Qt::LeftButton;
    if (event->button() == Qt::LeftButton) m_mouseDown = false;
    if (wasDown && rect().contains(event->position().toPoint())) click();
    QWidget::mouseReleaseEvent(event);
}

void TsuiCheckBox::keyPressEvent(QKeyEvent* event) {
    // The click comes on release; the press is only kept from reaching the window.
    if (isClickKey(event->key()))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void TsuiCheckBox::keyReleaseEvent(QKeyEvent* event) {
    if (isClickKey(event->key()) && !event->isAutoRepeat() && hasFocus() && isEnabled()) {
        update();
        click();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

bool TsuiCheckBox::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (m_accelerator.matches(shortcut->shortcutId())) {
            if (!isEnabled()) return false;
            click();
            return true;
        }
    }
    return QWidget::event(event);
}

void TsuiCheckBox::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void TsuiCheckBox::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void TsuiCheckBox::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) applyAutoSize();
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange ||
        event->type() == QEvent::PaletteChange)
        update();
    QWidget::changeEvent(event);
}

}  // namespace veyrin

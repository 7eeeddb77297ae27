#include "controls/ui/sui_button.h"

#include <QDialog>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QTimer>

#include <algorithm>

#include "controls/model/theme_table.h"
#include "controls/ui/accessible_controls.h"
#include "controls/ui/density_picture.h"
#include "controls/ui/focus_rect.h"
#include "controls/ui/theme_drawing.h"
#include "platform/ui/embossed_text.h"
#include "platform/ui/qt_color.h"

namespace veyrin {

namespace {

constexpr int kSkinFrames = 3;

bool isPressKey(int key) { return key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter; }

bool boldFocusStyle(TsuiUIStyle style) { return style == TsuiUIStyle::MacOS || style == TsuiUIStyle::BlueGlass; }

// Draws the caption; a disabled one is embossed: white one pixel down and right, grey on top.
void drawCaptionText(QPainter& p, const QRect& rect, int flags, const QString& text, bool enabled,
                     const QColor& color) {
    if (enabled) {
        p.setPen(color);
        p.drawText(rect, flags, text);
        return;
    }
    drawEmbossedText(p, rect, flags, text);
}

QImage greyed(const QImage& picture) {
    QImage grey = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < grey.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(grey.scanLine(y));
        for (int x = 0; x < grey.width(); ++x) {
            int level = 128 + qGray(line[x]) / 2;
            line[x] = qRgba(level, level, level, qAlpha(line[x]));
        }
    }
    return grey;
}

}  // namespace

TsuiButton::TsuiButton(QWidget* parent) : QWidget(parent) {
    resize(80, 27);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_Hover);
    m_transparent = themeBoolean(m_style, themepos::ButtonTransparent);
}

void TsuiButton::setCaption(const QString& caption) {
    if (caption == m_caption) return;
    m_caption = caption;
    m_accelerator.update(*this, caption);
    update();
    notifyAccessibleName(this);
}

void TsuiButton::setUIStyle(TsuiUIStyle style) {
    m_style = style;
    m_transparent = themeBoolean(style, themepos::ButtonTransparent);
    applyAutoSize();
    update();
}

void TsuiButton::setTransparent(bool transparent) {
    if (transparent == m_transparent) return;
    m_transparent = transparent;
    update();
}

void TsuiButton::setAutoSize(bool autoSize) {
    if (autoSize == m_autoSize) return;
    m_autoSize = autoSize;
    applyAutoSize();
    update();
}

void TsuiButton::setGlyph(const QImage& glyph) {
    m_glyph = glyph;
    update();
}

void TsuiButton::setGlyphLayout(TButtonLayout layout) {
    if (layout == m_layout) return;
    m_layout = layout;
    update();
}

void TsuiButton::setSpacing(int spacing) {
    if (spacing == m_spacing) return;
    m_spacing = spacing;
    update();
}

void TsuiButton::setFocusedRectMargin(int margin) {
    if (margin == m_focusedRectMargin) return;
    m_focusedRectMargin = margin;
    update();
}

void TsuiButton::setDefault(bool isDefault) {
    m_default = isDefault;
    watchWindowKeys();
}

void TsuiButton::setCancel(bool isCancel) {
    m_cancel = isCancel;
    watchWindowKeys();
}

void TsuiButton::setColor(TColor color) {
    if (color == m_color) return;
    m_color = color;
    update();
}

void TsuiButton::setTabStop(bool tabStop) { setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::NoFocus); }

void TsuiButton::applyAutoSize() {
    if (!m_autoSize) return;
    QImage skin = loadThemeBitmap(m_style, themepos::ButtonSkin);
    ControlSize size = buttonAutoSize(skin.width(), skin.height());
    resize(size.width, size.height);
}

void TsuiButton::click() {
    if (m_pressed) {
        stopRepeat();
        m_pressed = false;
        update();
    }
    if (m_modalResult != 0)
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(m_modalResult);
    emit clicked();
}

void TsuiButton::userClick() {
    if (tabStop() && isEnabled() && isVisible()) setFocus(Qt::MouseFocusReason);
    click();
}

void TsuiButton::startRepeat() {
    if (m_repeatTimer) return;
    m_repeatTimer = new QTimer(this);
    m_repeatTimer->setTimerType(Qt::PreciseTimer);
    m_repeatTimer->setInterval(std::max(m_repeatInterval, 0));
    connect(m_repeatTimer, &QTimer::timeout, this, &TsuiButton::mouseContinuouslyDown);
    m_repeatTimer->start();
}

void TsuiButton::stopRepeat() {
    delete m_repeatTimer;
    m_repeatTimer = nullptr;
}

void TsuiButton::watchWindowKeys() {
    QWidget* top = window();
    if (top == this || top == m_watchedWindow) return;
    if (m_watchedWindow) m_watchedWindow->removeEventFilter(this);
    m_watchedWindow = top;
    top->installEventFilter(this);
}

bool TsuiButton::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watchedWindow && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool plain = (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        const bool wanted = (m_default && enter) || (m_cancel && key->key() == Qt::Key_Escape);
        if (plain && wanted && isEnabled() && isVisible() && tabStop()) {
            userClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool TsuiButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (m_accelerator.matches(shortcut->shortcutId())) {
            if (!isEnabled()) return false;
            userClick();
            return true;
        }
    }
    if (event->type() == QEvent::ParentChange && (m_default || m_cancel)) watchWindowKeys();
    return QWidget::event(event);
}

void TsuiButton::enterEvent(QEnterEvent* event) {
    m_hot = true;
    update();
    notifyAccessibleState(this, hotChange());
    emit mouseEntered();
    QWidget::enterEvent(event);
}

void TsuiButton::leaveEvent(QEvent* event) {
    m_hot = false;
    m_pressed = false;
    stopRepeat();
    update();
    notifyAccessibleState(this, hotChange());
    emit mouseExited();
    QWidget::leaveEvent(event);
}

void TsuiButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        startRepeat();
        update();
    }
    QWidget::mousePressEvent(event);
}

void TsuiButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if ((m_hot || m_pressed) && (at.x() < 0 || at.y() < 0 || at.x() > width() || at.y() > height())) {
        m_hot = false;
        m_pressed = false;
        update();
    }
    QWidget::mouseMoveEvent(event);
}

void TsuiButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        if (rect().contains(event->position().toPoint())) {
            userClick();
        } else {
            // The repeat must not outlive the press even where no mouse-leave follows.
            stopRepeat();
            m_pressed = false;
            update();
        }
    }
    QWidget::mouseReleaseEvent(event);
}

void TsuiButton::mouseDoubleClickEvent(QMouseEvent* event) { mousePressEvent(event); }

void TsuiButton::keyPressEvent(QKeyEvent* event) {
    if (isPressKey(event->key()) && hasFocus() && isEnabled()) {
        if (!event->isAutoRepeat()) {
            m_pressed = true;
            update();
        }
        return;
    }
    QWidget::keyPressEvent(event);
}

void TsuiButton::keyReleaseEvent(QKeyEvent* event) {
    if (isPressKey(event->key()) && !event->isAutoRepeat() && hasFocus() && m_pressed && isEnabled()) {
        m_pressed = false;
        update();
        userClick();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TsuiButton::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void TsuiButton::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void TsuiButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::EnabledChange) update();
    QWidget::changeEvent(event);
}

QImage TsuiButton::skinFrame() const {
    return loadThemeFrame(m_style, themepos::ButtonSkin, kSkinFrames, buttonSkinFrame(isEnabled(), m_pressed, m_hot),
                          pictureDensity(*this));
}

void TsuiButton::paintEvent(QPaintEvent*) {
    QImage buffer = offscreenBuffer(*this);
    QPainter p(&buffer);
    if (m_transparent)
        copyParentBackground(p, *this);
    else
        p.fillRect(rect(), toQColor(m_color));
    paintSkin(p);
    bool boldCaption = false;
    if (hasFocus() && tabStop()) paintFocus(p, boldCaption);
    if (!m_caption.trimmed().isEmpty()) paintCaption(p, boldCaption);
    p.end();
    QPainter(this).drawImage(0, 0, buffer);
}

void TsuiButton::paintSkin(QPainter& p) const {
    // A skin that cannot be loaded leaves an empty face; the caption is still drawn.
    drawNinePatch(skinFrame(), p, rect(), m_transparent);
    if (m_glyph.isNull()) return;
    const QImage picture = glyphPicture();
    const GlyphPlacement place = glyphPlacement(logicalSize(picture));
    const int shift = m_pressed ? 1 : 0;
    p.drawImage(place.glyph.x + shift, place.glyph.y + shift, picture);
}

GlyphPlacement TsuiButton::glyphPlacement(QSize picture) const {
    // The caption extent is measured in the plain font, also when the focus draws it bold.
    const QFontMetrics fm(font());
    return placeGlyph(m_layout, {width(), height()}, {picture.width(), picture.height()},
                      {fm.horizontalAdvance(captionWithoutMarks(m_caption)), fm.height()}, m_spacing);
}

QImage TsuiButton::glyphPicture() const {
    // A glyph twice as wide as high holds the enabled picture on the left, the disabled one on
    // the right; any other glyph is greyed when disabled. Its top-left colour is see-through.
    const bool pair = m_glyph.width() == 2 * m_glyph.height();
    QImage picture = pair ? copyFrame(m_glyph, 2, isEnabled() ? 1 : 2) : m_glyph;
    picture = withTransparentColor(picture, picture.pixel(0, 0));
    if (!pair && !isEnabled()) picture = greyed(picture);
    return picture;
}

void TsuiButton::paintFocus(QPainter& p, bool& boldCaption) const {
    if (boldFocusStyle(m_style)) {
        boldCaption = true;
        return;
    }
    const int m = m_focusedRectMargin;
    drawDottedFocusRect(p, rect().adjusted(m, m, -m, -m));
}

void TsuiButton::paintCaption(QPainter& p, bool boldCaption) const {
    QFont captionFont = font();
    if (boldCaption) captionFont.setBold(true);
    p.setFont(captionFont);
    const QColor textColor = palette().color(QPalette::Active, QPalette::ButtonText);
    const int shift = m_pressed ? 1 : 0;
    const int lineFlags = Qt::TextSingleLine | Qt::TextShowMnemonic;
    if (m_glyph.isNull()) {
        drawCaptionText(p, rect().translated(shift, shift), Qt::AlignCenter | lineFlags, m_caption, isEnabled(),
                        textColor);
        return;
    }
    const GlyphPlacement place = glyphPlacement(logicalSize(glyphPicture()));
    const QRect from(QPoint(place.caption.x + shift, place.caption.y + shift), QPoint(width() - 1, height() - 1));
    drawCaptionText(p, from, Qt::AlignLeft | Qt::AlignTop | lineFlags, m_caption, isEnabled(), textColor);
}

}  // namespace veyrin

#include "controls/ui/flat_speed_button.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QKeySequence>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QShortcutEvent>
#include <QtMath>

#include "controls/model/color_shading.h"
#include "controls/ui/accessible_controls.h"
#include "controls/ui/density_picture.h"
#include "controls/ui/parent_color.h"
#include "controls/ui/speed_button_hover_tracker.h"
#include "controls/ui/theme_drawing.h"
#include "platform/ui/embossed_text.h"
#include "platform/ui/gbk_qt.h"
#include "platform/ui/qt_color.h"

namespace veyrin {
namespace {

QPoint eventPoint(const QMouseEvent* event) {
    QPointF p = event->position();
    return {qFloor(p.x()), qFloor(p.y())};
}

// The glyph's see-through colour is the colour of its bottom-left pixel.
QImage withTransparentKey(const QImage& picture, QRgb key) {
    QImage out = picture.convertToFormat(QImage::Format_ARGB32);
    out.setDevicePixelRatio(picture.devicePixelRatio());
    for (int y = 0; y < out.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            if ((line[x] & 0xFFFFFF) == (key & 0xFFFFFF)) line[x] = 0;
        }
    }
    return out;
}

// The classic engraved look: the picture's darker shapes in the button shadow colour, with a
// highlight copy one design pixel right and down. Light parts of the picture drop out.
QImage embossedPicture(const QImage& picture, QRgb key) {
    QImage shape(picture.size(), QImage::Format_ARGB32);
    shape.fill(Qt::transparent);
    const QRgb shadow = toQColor(clBtnShadow).rgb();
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            QRgb pixel = picture.pixel(x, y);
            if ((pixel & 0xFFFFFF) != (key & 0xFFFFFF) && qGray(pixel) < 0xC0) shape.setPixel(x, y, shadow);
        }
    }
    QImage out(picture.size(), QImage::Format_ARGB32);
    out.fill(Qt::transparent);
    QPainter painter(&out);
    QImage highlight = shape;
    QPainter tint(&highlight);
    tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
    tint.fillRect(highlight.rect(), toQColor(clBtnHighlight));
    tint.end();
    const int step = int(picture.devicePixelRatio());
    painter.drawImage(step, step, highlight);
    painter.drawImage(0, 0, shape);
    painter.end();
    out.setDevicePixelRatio(picture.devicePixelRatio());
    return out;
}

}  // namespace

TFlatSpeedButton::TFlatSpeedButton(QWidget* parent) : QWidget(parent) {
    SpeedButtonHoverTracker::attach();
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true);
    resize(25, 25);
    if (parentColor_) colors_.color = parentBackgroundColor(this, colors_.color);
}

TFlatSpeedButton::~TFlatSpeedButton() {
    SpeedButtonHoverTracker::forget(this);
    SpeedButtonHoverTracker::detach();
}

void TFlatSpeedButton::setCaption(const std::string& gbkCaption) {
    if (caption_ == gbkCaption) return;
    caption_ = gbkCaption;
    refreshAccelerator();
    update();
    notifyAccessibleName(this);
}

void TFlatSpeedButton::setGlyph(const QImage& strip) {
    glyphSource_ = nullptr;
    useStrip(strip);
    update();
}

void TFlatSpeedButton::useStrip(const QImage& strip) {
    glyph_ = strip;
    if (!glyph_.isNull()) {
        const QSize size = logicalSize(glyph_);
        numGlyphs_ = numGlyphsForStrip(size.width(), size.height(), numGlyphs_);
    }
}

void TFlatSpeedButton::setGlyphSource(GlyphSource source) {
    glyphSource_ = std::move(source);
    glyphDensity_ = 0;
    takeGlyphForScreenDensity();
    update();
}

// Checked at each paint: a move to a screen of another density repaints the whole window, and the
// check is one comparison when nothing changed.
void TFlatSpeedButton::takeGlyphForScreenDensity() {
    if (!glyphSource_) return;
    const int density = pictureDensity(*this);
    if (density == glyphDensity_) return;
    glyphDensity_ = density;
    useStrip(glyphSource_(density));
}

void TFlatSpeedButton::setNumGlyphs(int count) {
    count = std::clamp(count, 1, 4);
    if (numGlyphs_ == count) return;
    numGlyphs_ = count;
    update();
}

void TFlatSpeedButton::setGlyphLayout(TButtonLayout layout) {
    if (layout_ == layout) return;
    layout_ = layout;
    update();
}

void TFlatSpeedButton::setMargin(int margin) {
    if (margin_ == margin || margin < -1) return;
    margin_ = margin;
    update();
}

void TFlatSpeedButton::setSpacing(int spacing) {
    if (spacing_ == spacing) return;
    spacing_ = spacing;
    update();
}

void TFlatSpeedButton::setColorValue(TColor& slot, TColor color) {
    if (slot == color) return;
    slot = color;
    update();
}

void TFlatSpeedButton::setColor(TColor color) {
    parentColor_ = false;
    setColorValue(colors_.color, color);
    if (useAdvColors_) refreshAdvColors();
}
void TFlatSpeedButton::setColorFocused(TColor color) { setColorValue(colors_.colorFocused, color); }
void TFlatSpeedButton::setColorDown(TColor color) { setColorValue(colors_.colorDown, color); }
void TFlatSpeedButton::setColorBorder(TColor color) { setColorValue(colors_.colorBorder, color); }
void TFlatSpeedButton::setColorHighLight(TColor color) { setColorValue(colors_.colorHighLight, color); }
void TFlatSpeedButton::setColorShadow(TColor color) { setColorValue(colors_.colorShadow, color); }
void TFlatSpeedButton::setFontColor(TColor color) { setColorValue(fontColor_, color); }

void TFlatSpeedButton::setParentColor(bool on) {
    if (parentColor_ == on) return;
    parentColor_ = on;
    if (on) {
        colors_.color = parentBackgroundColor(this, colors_.color);
        if (useAdvColors_) refreshAdvColors();
        update();
    }
}

void TFlatSpeedButton::setAdvColorFocused(int percent) {
    if (advColorFocused_ == percent || percent < 0 || percent > 100) return;
    advColorFocused_ = percent;
    if (useAdvColors_) refreshAdvColors();
}

void TFlatSpeedButton::setAdvColorDown(int percent) {
    if (advColorDown_ == percent || percent < 0 || percent > 100) return;
    advColorDown_ = percent;
    if (useAdvColors_) refreshAdvColors();
}

void TFlatSpeedButton::setAdvColorBorder(int percent) {
    if (advColorBorder_ == percent || percent < 0 || percent > 100) return;
    advColorBorder_ = percent;
    if (useAdvColors_) refreshAdvColors();
}

void TFlatSpeedButton::setUseAdvColors(bool on) {
    if (useAdvColors_ == on) return;
    useAdvColors_ = on;
    setParentColor(on);
    if (on) refreshAdvColors();
}

void TFlatSpeedButton::refreshAdvColors() {
    colors_.colorFocused = lighterShade(colors_.color, advColorFocused_);
    colors_.colorDown = darkerShade(colors_.color, advColorDown_);
    colors_.colorBorder = darkerShade(colors_.color, advColorBorder_);
    update();
}

void TFlatSpeedButton::setTransparentMode(TTransparentMode mode) {
    if (transparentMode_ == mode) return;
    transparentMode_ = mode;
    update();
}

void TFlatSpeedButton::setGroupIndex(int index) {
    if (groupIndex_ == index) return;
    groupIndex_ = index;
    broadcastToGroup();
}

void TFlatSpeedButton::setAllowAllUp(bool allow) {
    if (allowAllUp_ == allow) return;
    allowAllUp_ = allow;
    broadcastToGroup();
}

void TFlatSpeedButton::setDown(bool down) {
    if (groupIndex_ == 0) down = false;
    if (down == down_) return;
    if (down_ && !allowAllUp_) return;  // a latched button of such a group stays latched
    down_ = down;
    notifyAccessibleState(this, checkedChange());
    if (down) {
        state_ = SpeedButtonState::Latched;
        update();
        broadcastToGroup();
    } else {
        state_ = SpeedButtonState::Up;
        repaint();
    }
}

void TFlatSpeedButton::broadcastToGroup() {
    if (groupIndex_ == 0 || parentWidget() == nullptr) return;
    const auto siblings = parentWidget()->findChildren<TFlatSpeedButton*>(Qt::FindDirectChildrenOnly);
    for (TFlatSpeedButton* sibling : siblings) {
        if (sibling != this) sibling->releaseFromGroup(groupIndex_, this);
    }
}

void TFlatSpeedButton::releaseFromGroup(int groupIndex, const TFlatSpeedButton* sender) {
    if (groupIndex != groupIndex_) return;
    if (sender->down_ && down_) {
        down_ = false;
        state_ = SpeedButtonState::Up;
        update();
    }
    allowAllUp_ = sender->allowAllUp_;
}

void TFlatSpeedButton::refreshAccelerator() {
    if (acceleratorId_ != 0) releaseShortcut(acceleratorId_);
    acceleratorId_ = 0;
    QKeySequence mnemonic = QKeySequence::mnemonic(gbkToQString(caption_));
    if (!mnemonic.isEmpty()) acceleratorId_ = grabShortcut(mnemonic);
}

void TFlatSpeedButton::click() {
    if (modalResult_ != 0) {
        if (auto* dialog = qobject_cast<QDialog*>(window())) dialog->done(modalResult_);
    }
    emit clicked();
}

SpeedButtonLayout TFlatSpeedButton::currentLayout() const {
    SpeedButtonLayoutInput input;
    input.client = {width(), height()};
    if (!glyph_.isNull()) {
        const QSize size = logicalSize(glyph_);
        input.glyph = {size.width() / numGlyphs_, size.height()};
    }
    if (!caption_.empty()) {
        QSize text = fontMetrics().size(Qt::TextShowMnemonic | Qt::TextSingleLine, gbkToQString(caption_));
        input.caption = {text.width(), text.height()};
    }
    input.layout = layout_;
    input.margin = margin_;
    input.spacing = spacing_;
    input.sunken = state_ == SpeedButtonState::Pressed || state_ == SpeedButtonState::Latched;
    return layoutSpeedButton(input);
}

QImage TFlatSpeedButton::pictureForState(SpeedButtonState state) const {
    const QRgb key = glyph_.pixel(0, glyph_.height() - 1);
    if (numGlyphs_ == 1 && state == SpeedButtonState::Disabled) return embossedPicture(glyph_, key);
    int index = glyphIndexForState(numGlyphs_, state);
    return withTransparentKey(copyFrame(glyph_, numGlyphs_, index + 1), key);
}

void TFlatSpeedButton::paintBorder(QPainter& painter, SpeedButtonBorder border) const {
    const int right = width() - 1, bottom = height() - 1;
    QColor topLeft = toQColor(colors_.colorBorder), bottomRight = topLeft;
    if (border == SpeedButtonBorder::Raised) {
        topLeft = toQColor(colors_.colorHighLight);
        bottomRight = toQColor(colors_.colorShadow);
    } else if (border == SpeedButtonBorder::Sunken) {
        topLeft = toQColor(colors_.colorShadow);
        bottomRight = toQColor(colors_.colorHighLight);
    }
    // Left and top from the bottom-left corner up to (not including) the top-right corner; right
    // and bottom from the top-right corner down to (not including) the bottom-left corner.
    painter.fillRect(QRect(0, 0, 1, bottom + 1), topLeft);
    painter.fillRect(QRect(0, 0, right, 1), topLeft);
    painter.fillRect(QRect(right, 0, 1, bottom + 1), bottomRight);
    painter.fillRect(QRect(1, bottom, right, 1), bottomRight);
}

void TFlatSpeedButton::paintEvent(QPaintEvent*) {
    takeGlyphForScreenDensity();
    state_ = settledState(state_, isEnabled(), down_, groupIndex_);
    if (state_ == SpeedButtonState::Disabled) dragging_ = false;

    QPainter painter(this);
    if (auto background = speedButtonBackground(transparentMode_, state_, mouseInside_, colors_)) {
        painter.fillRect(rect(), toQColor(*background));
    }
    paintBorder(painter, speedButtonBorder(state_, mouseInside_));

    const SpeedButtonLayout layout = currentLayout();
    if (!glyph_.isNull()) painter.drawImage(layout.glyphPos.x, layout.glyphPos.y, pictureForState(state_));
    if (!caption_.empty()) {
        const QRect bounds(layout.textBounds.left, layout.textBounds.top,
                           layout.textBounds.right - layout.textBounds.left,
                           layout.textBounds.bottom - layout.textBounds.top);
        const int flags = Qt::AlignCenter | Qt::TextSingleLine | Qt::TextShowMnemonic;
        const QString text = gbkToQString(caption_);
        if (state_ == SpeedButtonState::Disabled) {
            drawEmbossedText(painter, bounds, flags, text);
        } else {
            painter.setPen(toQColor(fontColor_));
            painter.drawText(bounds, flags, text);
        }
    }
}

void TFlatSpeedButton::mousePressEvent(QMouseEvent* event) {
    emit mousePressed(event->button(), eventPoint(event));
    if (event->button() != Qt::LeftButton || !isEnabled()) return;
    if (state_ != SpeedButtonState::Latched) {
        state_ = SpeedButtonState::Pressed;
        repaint();
    }
    dragging_ = true;
}

void TFlatSpeedButton::mouseMoveEvent(QMouseEvent* event) {
    const QPoint point = eventPoint(event);
    emit mouseMoved(point);
    if (dragging_) {
        SpeedButtonState next = stateWhileDragging(isPointOnSpeedButton(point.x(), point.y(), width(), height()), down_);
        if (next != state_) {
            state_ = next;
            repaint();
        }
    }
    if (rect().contains(point) && QApplication::widgetAt(event->globalPosition().toPoint()) == this) {
        SpeedButtonHoverTracker::mouseMovedOver(this);
    }
}

void TFlatSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = eventPoint(event);
    emit mouseReleased(event->button(), point);
    if (!dragging_) return;
    dragging_ = false;
    const bool onButton = isPointOnSpeedButton(point.x(), point.y(), width(), height());
    if (groupIndex_ == 0) {
        state_ = SpeedButtonState::Up;
        mouseInside_ = false;
        update();
    } else if (onButton) {
        setDown(!down_);
        if (down_) repaint();
    } else {
        if (down_) state_ = SpeedButtonState::Latched;
        repaint();
    }
    if (onButton) {
        QPointer<TFlatSpeedButton> alive(this);
        click();
        if (!alive) return;  // the click handler may have closed the button's window
    } else {
        setHoverLook(false);
    }
    reevaluateHover();
}

void TFlatSpeedButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double click acts as a press of its own, so its release clicks again.
    if (event->button() == Qt::LeftButton && state_ == SpeedButtonState::Latched) emit doubleClicked();
    mousePressEvent(event);
}

void TFlatSpeedButton::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    emit mouseEntered();
}

void TFlatSpeedButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    emit mouseLeft();
}

bool TFlatSpeedButton::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        auto* shortcut = static_cast<QShortcutEvent*>(event);
        if (shortcut->shortcutId() == acceleratorId_ && isEnabled()) {
            click();
            return true;
        }
    }
    return QWidget::event(event);
}

void TFlatSpeedButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        if (isEnabled()) {
            state_ = settledState(state_, true, down_, groupIndex_);
            reevaluateHover();
        } else {
            mouseInside_ = false;
            state_ = SpeedButtonState::Disabled;
            SpeedButtonHoverTracker::forget(this);
        }
        update();
    } else if (event->type() == QEvent::ParentChange || event->type() == QEvent::PaletteChange) {
        if (parentColor_) {
            colors_.color = parentBackgroundColor(this, colors_.color);
            if (useAdvColors_) refreshAdvColors();
            update();
        }
    }
}

void TFlatSpeedButton::setHoverLook(bool inside) {
    if (mouseInside_ == inside) return;
    mouseInside_ = inside;
    repaint();
    notifyAccessibleState(this, hotChange());
}

void TFlatSpeedButton::reevaluateHover() {
    if (isEnabled() && isVisible() && QApplication::widgetAt(QCursor::pos()) == this) {
        SpeedButtonHoverTracker::forget(this);  // track afresh so the look comes back
        SpeedButtonHoverTracker::mouseMovedOver(this);
    } else {
        setHoverLook(false);
    }
}

}  // namespace veyrin

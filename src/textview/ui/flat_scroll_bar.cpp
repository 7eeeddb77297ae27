#include "textview/ui/flat_scroll_bar.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionSlider>

namespace veyrin {
namespace {

const QColor kTrack(0xF3, 0xF3, 0xF3);
const QColor kEdge(0xDD, 0xDD, 0xDD);
const QColor kThumb(0xC6, 0xC6, 0xC6);
const QColor kThumbActive(0xA8, 0xA8, 0xA8);
const QColor kArrow(0x70, 0x70, 0x70);
const QColor kArrowDisabled(0xC8, 0xC8, 0xC8);

}  // namespace

TSynFlatScrollBar::TSynFlatScrollBar(QWidget* parent) : QScrollBar(Qt::Vertical, parent) {}

void TSynFlatScrollBar::setArrowsEnabled(bool enabled) {
    if (enabled == arrowsEnabled_) return;
    arrowsEnabled_ = enabled;
    update();
}

QSize TSynFlatScrollBar::sizeHint() const { return {kThickness, QScrollBar::sizeHint().height()}; }

void TSynFlatScrollBar::paintArrow(QPainter& painter, const QRect& box, bool up) const {
    QPointF c = QRectF(box).center();
    const qreal half = 3.5;
    QPainterPath triangle;
    qreal tip = up ? -2.0 : 2.0;
    triangle.moveTo(c.x() - half, c.y() - tip);
    triangle.lineTo(c.x() + half, c.y() - tip);
    triangle.lineTo(c.x(), c.y() + tip);
    triangle.closeSubpath();
    bool usable = arrowsEnabled_ && isEnabled();
    painter.fillPath(triangle, usable ? kArrow : kArrowDisabled);
}

void TSynFlatScrollBar::paintEvent(QPaintEvent*) {
    QStyleOptionSlider option;
    initStyleOption(&option);
    QPainter painter(this);
    painter.fillRect(rect(), kTrack);
    painter.setPen(kEdge);
    painter.drawLine(0, 0, 0, height() - 1);

    QRect up = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSubLine, this);
    QRect down = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarAddLine, this);
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintArrow(painter, up, true);
    paintArrow(painter, down, false);
    painter.setRenderHint(QPainter::Antialiasing, false);

    if (!isEnabled() || maximum() <= minimum()) return;
    QRect thumb = style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, this);
    painter.fillRect(thumb.adjusted(3, 1, -2, -1), isSliderDown() ? kThumbActive : kThumb);
}

}  // namespace veyrin

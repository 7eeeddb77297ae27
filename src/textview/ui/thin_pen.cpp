#include "textview/ui/thin_pen.h"

#include <QPainter>

#include "platform/ui/qt_color.h"
#include "textview/ui/density_font.h"

namespace veyrin {
namespace {

Qt::PenStyle toQtPenStyle(TPenStyle style) {
    switch (style) {
        case psDash: return Qt::DashLine;
        case psDot: return Qt::DotLine;
        case psDashDot: return Qt::DashDotLine;
        case psDashDotDot: return Qt::DashDotDotLine;
        case psClear: return Qt::NoPen;
        case psSolid:
        case psInsideFrame: break;
    }
    return Qt::SolidLine;
}

// The line through the middle of its design pixels, reaching the outer edges of the end pixels.
QLineF blockLine(QPoint from, QPoint to) {
    const QPointF half(0.5, 0.5);
    QLineF line(QPointF(from) + half, QPointF(to) + half);
    if (line.length() == 0) return QLineF(line.p1() - QPointF(0.5, 0), line.p1() + QPointF(0.5, 0));
    const QPointF reach = (line.p2() - line.p1()) / line.length() * 0.5;
    return QLineF(line.p1() - reach, line.p2() + reach);
}

}  // namespace

QPen thinPen(TColor color, TPenStyle style) {
    QPen pen(toQColor(color), 1, toQtPenStyle(style));
    pen.setCosmetic(true);
    return pen;
}

bool onSingleDensity(const QPainter& painter) {
    return painter.device() == nullptr || densityOf(*painter.device()) <= 1;
}

void drawThinLine(QPainter& painter, QPoint from, QPoint to) {
    // One device pixel at 1x: the cosmetic pen keeps its exact pixels and dash phases there.
    if (onSingleDensity(painter)) {
        painter.drawLine(from, to);
        return;
    }
    const QPen thin = painter.pen();
    QPen block = thin;
    block.setCosmetic(false);
    block.setWidth(1);
    block.setCapStyle(Qt::FlatCap);
    painter.setPen(block);
    painter.drawLine(blockLine(from, to));
    painter.setPen(thin);
}

void drawThinPoint(QPainter& painter, QPoint at) {
    if (onSingleDensity(painter)) {
        painter.drawPoint(at);
        return;
    }
    painter.fillRect(QRect(at, QSize(1, 1)), painter.pen().color());
}

void drawThinRect(QPainter& painter, const QRect& outline) {
    if (onSingleDensity(painter)) {
        painter.drawRect(outline.adjusted(0, 0, -1, -1));
        return;
    }
    drawThinLine(painter, outline.topLeft(), outline.topRight());
    drawThinLine(painter, outline.bottomLeft(), outline.bottomRight());
    drawThinLine(painter, outline.topLeft(), outline.bottomLeft());
    drawThinLine(painter, outline.topRight(), outline.bottomRight());
}

}  // namespace veyrin

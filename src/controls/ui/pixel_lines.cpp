#include "controls/ui/pixel_lines.h"

#include <QPainter>

namespace veyrin {

void drawPixelLine(QPainter& painter, QPoint from, QPoint to, const QColor& color) {
    painter.fillRect(QRect(from, to).normalized(), color);
}

void drawPixelFrame(QPainter& painter, const QRect& outer, const QColor& color) {
    if (outer.isEmpty()) return;
    drawPixelLine(painter, outer.topLeft(), outer.topRight(), color);
    drawPixelLine(painter, outer.bottomLeft(), outer.bottomRight(), color);
    drawPixelLine(painter, outer.topLeft(), outer.bottomLeft(), color);
    drawPixelLine(painter, outer.topRight(), outer.bottomRight(), color);
}

}  // namespace veyrin

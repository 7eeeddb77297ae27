#include "platform/ui/embossed_text.h"

#include <QPainter>

#include "platform/ui/qt_color.h"

namespace veyrin {

void drawEmbossedText(QPainter& painter, const QRect& rect, int flags, const QString& text) {
    painter.setPen(toQColor(clBtnHighlight));
    painter.drawText(rect.translated(1, 1), flags, text);
    painter.setPen(toQColor(clBtnShadow));
    painter.drawText(rect, flags, text);
}

}  // namespace veyrin

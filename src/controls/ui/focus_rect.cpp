#include "controls/ui/focus_rect.h"

#include <QPainter>

namespace veyrin {

void drawDottedFocusRect(QPainter& painter, const QRect& rect, const QColor& color) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    const int left = rect.x(), top = rect.y();
    const int right = rect.x() + rect.width() - 1, bottom = rect.y() + rect.height() - 1;
    // Filled one-pixel squares: a pen's point on a denser screen covers only part of the block.
    auto dot = [&](int x, int y) {
        if (((x - left) + (y - top)) % 2 == 0) painter.fillRect(x, y, 1, 1, color);
    };
    for (int x = left; x <= right; ++x) {
        dot(x, top);
        dot(x, bottom);
    }
    for (int y = top + 1; y < bottom; ++y) {
        dot(left, y);
        dot(right, y);
    }
}

}  // namespace veyrin

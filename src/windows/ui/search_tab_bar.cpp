#include "windows/ui/search_tab_bar.h"

#include <QPainter>

#include "textview/ui/thin_pen.h"
#include "windows/ui/search_look.h"

namespace veyrin {

SearchTabBar::SearchTabBar(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
    setExpanding(false);
    setUsesScrollButtons(false);
}

QSize SearchTabBar::tabSizeHint(int) const { return {kTabWidth, kTabHeight}; }

void SearchTabBar::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, false);
    // The page's top edge, broken under the chosen tab.
    p.setPen(search_look::kInkLine);
    drawThinLine(p, QPoint(0, height() - 1), QPoint(width() - 1, height() - 1));
    for (int i = 0; i < count(); ++i) {
        const bool chosen = i == currentIndex();
        QRect box = tabRect(i).adjusted(0, chosen ? 0 : 3, -2, chosen ? 0 : -1);
        p.fillRect(box.adjusted(1, 1, 0, 0), chosen ? search_look::kPaper : search_look::kIdleTab);
        p.setPen(chosen ? search_look::kInkLine : search_look::kFaintInk);
        drawThinLine(p, box.topLeft() + QPoint(0, 2), box.bottomLeft());
        drawThinLine(p, box.topLeft() + QPoint(2, 0), box.topRight() - QPoint(2, 0));
        drawThinLine(p, box.topRight() + QPoint(0, 2), box.bottomRight());
        drawThinPoint(p, box.topLeft() + QPoint(1, 1));
        drawThinPoint(p, box.topRight() + QPoint(-1, 1));
        if (chosen) {
            // The seal's stroke along the chosen tab's top, and no line between tab and page.
            p.fillRect(QRect(box.left() + 2, box.top() + 1, box.width() - 3, 2), search_look::kSeal);
            p.setPen(search_look::kPaper);
            drawThinLine(p, QPoint(box.left() + 1, box.bottom()), QPoint(box.right() - 1, box.bottom()));
        }
        p.setPen(chosen ? search_look::kInk : search_look::kFaintInk);
        p.setFont(font());
        p.drawText(box.adjusted(0, chosen ? 2 : 0, 0, 0), Qt::AlignCenter, tabText(i));
        if (hasFocus() && chosen) {
            p.setPen(QPen(search_look::kFaintInk, 1, Qt::DotLine));
            drawThinRect(p, box.adjusted(4, 5, -3, -2));
        }
    }
}

}  // namespace veyrin

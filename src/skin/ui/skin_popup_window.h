#pragma once
// One open level of a skinned menu: a top-level popup window that paints its items and hands
// every input to the engine. It is a Qt::Popup, because on X11 that is what gets the pointer and
// keyboard grab without activating the window: the owning window keeps its active look and the
// keys still reach the menu.

#include <QImage>
#include <QTimer>
#include <QWidget>

#include <vector>

#include "skin/model/menu_item.h"
#include "skin/model/menu_level_layout.h"

namespace veyrin {

class TbsSkinMenu;

class TbsSkinPopupWindow : public QWidget {
    Q_OBJECT
public:
    TbsSkinPopupWindow(TbsSkinMenu& engine, std::vector<TbsMenuItem> items, MenuLevelSize size);

    TbsSkinMenu& engine() const { return engine_; }
    const std::vector<TbsMenuItem>& items() const { return items_; }
    const MenuLevelLayout& layout() const { return layout_; }
    int highlighted() const { return highlighted_; }
    // Moves the highlight (scrolling the item into view); -1 removes it.
    void setHighlighted(int index);
    // The item under a screen point, or -1.
    int itemAtGlobal(const QPoint& global) const;
    QRect itemScreenRect(int index) const;
    // Scrolls by `step` items when the level scrolls; returns whether anything moved.
    bool scrollBy(int step);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void relayout();
    void applyShape();
    void paintScrollMarkers(class QPainter& painter);
    void followMarkers(const QPoint& local);

    TbsSkinMenu& engine_;
    std::vector<TbsMenuItem> items_;
    MenuLevelSize size_;
    MenuLevelLayout layout_;
    int highlighted_ = -1;
    int firstVisible_ = 0;
    QTimer markerTimer_;  // scrolls while the pointer rests on a scroll marker
    int markerStep_ = 0;
    QImage background_;
};

}  // namespace veyrin

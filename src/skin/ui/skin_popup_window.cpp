#include "skin/ui/skin_popup_window.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "platform/ui/qt_color.h"
#include "skin/ui/accessible_skin_menu.h"
#include "skin/ui/menu_item_painter.h"
#include "skin/ui/skin_image.h"
#include "skin/ui/skin_menu.h"

namespace veyrin {
namespace {

constexpr int kMarkerScrollInterval = 100;

}  // namespace

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu& engine, std::vector<TbsMenuItem> items, MenuLevelSize size)
    : QWidget(nullptr, Qt::Popup | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint),
      engine_(engine), items_(std::move(items)), size_(size) {
    setAttribute(Qt::WA_X11NetWmWindowTypePopupMenu);
    setAttribute(Qt::WA_NoMouseReplay);  // the click that closes a menu must not reach the window below
    setMouseTracking(true);
    setFixedSize(size.width, size.height);
    markerTimer_.setInterval(kMarkerScrollInterval);
    connect(&markerTimer_, &QTimer::timeout, this, [this] {
        if (!scrollBy(markerStep_)) markerTimer_.stop();
    });
    relayout();
    applyShape();
}

void TbsSkinPopupWindow::applyShape() {
    std::optional<WindowShape> shape = popupWindowShape(engine_.look().skin, layout_.itemsRect, width(), height());
    if (!shape) return;
    QRegion region(toQRect(shape->maskRectArea()));
    for (const FrameRect& run : shape->runs()) region += toQRect(run);
    setMask(region);
}

void TbsSkinPopupWindow::relayout() { layout_ = layoutMenuLevel(items_, engine_.look().metrics, size_, firstVisible_); }

void TbsSkinPopupWindow::setHighlighted(int index) {
    if (index == highlighted_) return;
    highlighted_ = index;
    int first = firstVisibleToShow(items_, engine_.look().metrics, size_, firstVisible_, index);
    if (first != firstVisible_) {
        firstVisible_ = first;
        relayout();
    }
    update();
    notifyMenuItemFocus(this, index);
}

bool TbsSkinPopupWindow::scrollBy(int step) {
    if (!size_.scrolls) return false;
    if ((step < 0 && !layout_.canScrollUp) || (step > 0 && !layout_.canScrollDown)) return false;
    firstVisible_ += step;
    relayout();
    update();
    return true;
}

int TbsSkinPopupWindow::itemAtGlobal(const QPoint& global) const {
    QPoint p = mapFromGlobal(global);
    if (!rect().contains(p)) return -1;
    return layout_.itemAt(p.x(), p.y());
}

QRect TbsSkinPopupWindow::itemScreenRect(int index) const {
    FrameRect r = layout_.rectOf(index);
    if (r.isAbsent()) return {};
    return QRect(mapToGlobal(QPoint(r.left, r.top)), QSize(r.width(), r.height()));
}

void TbsSkinPopupWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const MenuLook& look = engine_.look();
    if (look.skinned()) {
        // The level never changes size, so its background is composed once.
        if (background_.isNull()) background_ = composedPicture(look.popupPicture, look.skin.popupComposition(), size());
        painter.drawImage(0, 0, background_);
    } else {
        painter.fillRect(rect(), toQColor(clBtnFace));
        painter.setPen(toQColor(clBtnShadow));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    for (std::size_t i = 0; i < layout_.visibleItems.size(); ++i) {
        int index = layout_.visibleItems[i];
        paintMenuItem(painter, look, items_[static_cast<std::size_t>(index)], toQRect(layout_.itemRects[i]), index == highlighted_);
    }
    if (size_.scrolls) paintScrollMarkers(painter);
}

void TbsSkinPopupWindow::paintScrollMarkers(QPainter& painter) {
    const MenuLook& look = engine_.look();
    auto arrow = [&painter](const QRect& r, bool up, const QColor& colour) {
        QPoint c = r.center();
        int d = up ? -1 : 1;
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        painter.drawPolygon(QPolygon({QPoint(c.x() - 4, c.y() - 2 * d), QPoint(c.x() + 4, c.y() - 2 * d), QPoint(c.x(), c.y() + 2 * d)}));
    };
    arrow(toQRect(layout_.upMarker), true, layout_.canScrollUp ? look.scrollMarkerActiveColor : look.scrollMarkerColor);
    arrow(toQRect(layout_.downMarker), false, layout_.canScrollDown ? look.scrollMarkerActiveColor : look.scrollMarkerColor);
}

void TbsSkinPopupWindow::followMarkers(const QPoint& local) {
    markerStep_ = 0;
    if (size_.scrolls && layout_.upMarker.contains(local.x(), local.y())) markerStep_ = -1;
    if (size_.scrolls && layout_.downMarker.contains(local.x(), local.y())) markerStep_ = 1;
    if (markerStep_ == 0) markerTimer_.stop();
    else if (!markerTimer_.isActive()) markerTimer_.start();
}

// In popup mode Qt delivers the pointer to the innermost level even over the others, so every
// level passes screen positions to the engine, which knows all levels.
void TbsSkinPopupWindow::mouseMoveEvent(QMouseEvent* event) {
    followMarkers(mapFromGlobal(event->globalPosition().toPoint()));
    engine_.pointerMoved(event->globalPosition().toPoint());
}

void TbsSkinPopupWindow::mousePressEvent(QMouseEvent* event) {
    engine_.pointerPressed(event->globalPosition().toPoint(), event->timestamp());
}

void TbsSkinPopupWindow::mouseReleaseEvent(QMouseEvent* event) { engine_.pointerReleased(event->globalPosition().toPoint()); }

void TbsSkinPopupWindow::keyPressEvent(QKeyEvent* event) {
    if (!engine_.keyPressed(event->key(), event->text())) QWidget::keyPressEvent(event);
}

void TbsSkinPopupWindow::wheelEvent(QWheelEvent* event) {
    scrollBy(event->angleDelta().y() > 0 ? -1 : 1);
    event->accept();
}

// Qt may close a popup on its own (another application taking the pointer); the engine then
// leaves menu mode as if the menu had been dismissed.
void TbsSkinPopupWindow::hideEvent(QHideEvent* event) {
    markerTimer_.stop();
    QWidget::hideEvent(event);
    engine_.levelHidden(this);
}

}  // namespace veyrin

#include "skin/ui/screen_areas.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "skin/ui/frame_rect_qt.h"

namespace veyrin {
namespace {

QScreen* screenHolding(const QWidget* window) {
    if (window) {
        if (QScreen* at = QGuiApplication::screenAt(window->geometry().center())) return at;
        if (window->screen()) return window->screen();
    }
    return QGuiApplication::primaryScreen();
}

}  // namespace

FrameScreen frameScreenOf(const QWidget* window) {
    QScreen* screen = screenHolding(window);
    if (!screen) return {};
    const QRect monitor = screen->geometry();
    QRect workArea = screen->availableGeometry();
    if (workArea.isEmpty()) workArea = monitor;
    QScreen* primary = QGuiApplication::primaryScreen();
    const QRect primaryRect = primary ? QRect(QPoint(0, 0), primary->size()) : monitor;
    return {toFrameRect(workArea), toFrameRect(monitor), toFrameRect(primaryRect)};
}

}  // namespace veyrin

#include "skin/ui/delayed_hint.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QPixmap>
#include <QWidget>

#include "skin/ui/skin_hint_window.h"

namespace veyrin {
namespace {

// The arrow's image reaches about this far below its hot spot.
constexpr int kArrowDropBelowHotSpot = 20;

// The last row of `image` with a pixel that shows, or -1.
int lastVisibleRow(const QImage& image) {
    for (int y = image.height() - 1; y >= 0; --y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0) return y;
        }
    }
    return -1;
}

QCursor currentCursor() {
    if (const QCursor* overridden = QGuiApplication::overrideCursor()) return *overridden;
    if (QWidget* under = QApplication::widgetAt(QCursor::pos())) return under->cursor();
    return QCursor(Qt::ArrowCursor);
}

}  // namespace

int cursorDropBelowHotSpot(const QCursor& cursor) {
    QPixmap pixmap = cursor.pixmap();
    if (pixmap.isNull()) return kArrowDropBelowHotSpot;
    int last = lastVisibleRow(pixmap.toImage().convertToFormat(QImage::Format_ARGB32));
    if (last < 0) return kArrowDropBelowHotSpot;
    return last + 1 - cursor.hotSpot().y();
}

QPoint hintPointAtCursor() { return QCursor::pos() + QPoint(0, cursorDropBelowHotSpot(currentCursor())); }

DelayedHint::DelayedHint(TbsSkinHintWindow& window, QObject* parent) : QObject(parent), window_(window) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &DelayedHint::onTimeout);
}

void DelayedHint::request(const QString& text, int pause) {
    cancel();
    if (text.isEmpty()) return;
    text_ = text;
    timer_.start(pause);
}

void DelayedHint::showNow(const QString& text, QPoint at) {
    if (text.isEmpty()) {
        cancel();
        return;
    }
    timer_.stop();
    text_ = text;
    window_.activateHint(at, text_);
    shown_ = true;
    timer_.start(kHintHidePause);
}

void DelayedHint::cancel() {
    timer_.stop();
    shown_ = false;
    text_.clear();
    window_.hide();
}

void DelayedHint::onTimeout() {
    if (shown_) {
        cancel();
        return;
    }
    showNow(text_, hintPointAtCursor());
}

}  // namespace veyrin

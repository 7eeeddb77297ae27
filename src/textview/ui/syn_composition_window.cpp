#include "textview/ui/syn_composition_window.h"

#include <QFontMetrics>
#include <QPainter>

namespace veyrin {

namespace {
constexpr int kPadding = 2;
}

TSynCompositionWindow::TSynCompositionWindow(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

void TSynCompositionWindow::showComposition(const QString& text, const QFont& font, QPoint topLeft, int cursorPosition) {
    text_ = text;
    cursorPosition_ = cursorPosition;
    if (text.isEmpty()) {
        hide();
        return;
    }
    setFont(font);
    const QFontMetrics metrics(font);
    resize(metrics.horizontalAdvance(text) + 2 * kPadding + 1, metrics.height() + 2 * kPadding);
    move(topLeft - QPoint(kPadding, kPadding));
    show();
    raise();
    update();
}

void TSynCompositionWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const QFontMetrics metrics(font());
    const int baseline = kPadding + metrics.ascent();
    painter.setPen(Qt::black);
    painter.drawText(kPadding, baseline, text_);
    // The composition is underlined, and its own cursor shown where the input method puts it.
    const int width = metrics.horizontalAdvance(text_);
    painter.drawLine(kPadding, baseline + 1, kPadding + width - 1, baseline + 1);
    if (cursorPosition_ >= 0 && cursorPosition_ <= text_.size()) {
        const int x = kPadding + metrics.horizontalAdvance(text_.left(cursorPosition_));
        painter.drawLine(x, kPadding, x, kPadding + metrics.height() - 1);
    }
}

}  // namespace veyrin

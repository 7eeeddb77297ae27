#pragma once
// The dotted focus rectangle of the themed controls: every other pixel along the edges.

#include <QColor>
#include <QRect>

class QPainter;

namespace veyrin {

// `rect` has exclusive right and bottom edges, as the controls' arithmetic uses them.
void drawDottedFocusRect(QPainter& painter, const QRect& rect, const QColor& color = Qt::black);

}  // namespace veyrin

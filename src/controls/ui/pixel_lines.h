#pragma once
// Lines one design pixel wide drawn as filled rectangles. A pen's line at a device pixel ratio
// of 2 or 3 is centred on the design pixel's edge, so it comes out thinned to part of the block
// or shifted half a block; a filled rectangle always covers the whole block, and at 1x it sets
// exactly the pixels the pen's line would.

#include <QColor>
#include <QPoint>
#include <QRect>

class QPainter;

namespace veyrin {

// A horizontal or vertical line from `from` to `to`, both ends included.
void drawPixelLine(QPainter& painter, QPoint from, QPoint to, const QColor& color);

// The one-pixel outline just inside `outer`.
void drawPixelFrame(QPainter& painter, const QRect& outer, const QColor& color);

}  // namespace veyrin

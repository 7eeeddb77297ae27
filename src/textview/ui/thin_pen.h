#pragma once
// The one-pixel pen of the ruled lines and the right-edge marker, in any of the framework's pen
// styles. Shared by the view and by everything that draws its paper elsewhere.

#include <QPen>

#include "platform/model/color.h"
#include "textview/model/pen_style.h"

class QPainter;
class QPoint;
class QRect;

namespace veyrin {

QPen thinPen(TColor color, TPenStyle style);

// A horizontal or vertical line with the painter's thin pen over the design pixels from `from` to
// `to`, both included. On a denser screen it stays one design pixel thick, a full block of device
// pixels, and its dashes keep their design lengths.
void drawThinLine(QPainter& painter, QPoint from, QPoint to);
// One design pixel in the painter's pen colour.
void drawThinPoint(QPainter& painter, QPoint at);
// The border pixels of `outline` with the painter's pen.
void drawThinRect(QPainter& painter, const QRect& outline);

}  // namespace veyrin

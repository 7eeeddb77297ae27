#pragma once
// The one-pixel pen of the ruled lines and the right-edge marker, in any of the framework's pen
// styles. Shared by the view and by everything that draws its paper elsewhere.

#include <QPen>

#include "platform/model/color.h"
#include "textview/model/pen_style.h"

namespace veyrin {

QPen thinPen(TColor color, TPenStyle style);

}  // namespace veyrin

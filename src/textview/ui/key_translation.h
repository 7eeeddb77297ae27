#pragma once
// Qt key events in the terms of the view's key table: virtual-key numbers and shift flags.

#include "textview/model/key_strokes.h"

#include <Qt>

namespace veyrin {

// The virtual key for a Qt key, or 0 when the table has no name for it.
int virtualKeyFor(int qtKey);
TShiftState shiftStateFor(Qt::KeyboardModifiers modifiers);

}  // namespace veyrin

#pragma once
// The colour a control takes over when its ParentColor is on: the parent's background.

#include <QWidget>

#include "platform/model/color.h"

namespace veyrin {

// Falls back to the given colour when there is no parent.
TColor parentBackgroundColor(const QWidget* widget, TColor fallback);

}  // namespace veyrin

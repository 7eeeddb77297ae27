#pragma once
// Shades of a colour for the flat controls' derived colours: the colour's luminance moves towards
// white or black in a hue-saturation-luminance model, hue and saturation staying put.

#include "platform/model/color.h"

namespace veyrin {

// percent 0 leaves the colour unchanged; 100 gives white (lighter) or black (darker). System colours
// are resolved to their fixed values first; the result is always a plain RGB colour.
TColor lighterShade(TColor color, int percent);
TColor darkerShade(TColor color, int percent);

}  // namespace veyrin

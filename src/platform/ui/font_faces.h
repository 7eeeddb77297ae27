#pragma once
// The program keeps using its own face names (新宋体, 宋体, 黑体, Arial, MS Sans Serif); at start they
// are mapped once to the Debian fonts whose metrics match, so the pixel figures of the design hold.

#include <QFont>

namespace veyrin {

void installFontSubstitutions();

// Point sizes convert to pixel heights at 96 DPI (11 pt -> 15 px, 9 pt -> 12 px).
int pointsToPixels(int points);

// A font of the given face and pixel height, with the substitutions applied.
QFont fontWithPixelSize(const QString& face, int pixels);

}  // namespace veyrin

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

// Sizes `font` (face and style already set) by a font description's height: a negative height is
// the character height, which is Qt's pixel size; a positive one is the cell height, ascent plus
// descent with the internal leading, so the pixel size is the largest whose cell fits it. Zero
// keeps the face's default size.
void setFontHeight(QFont& font, int height);

}  // namespace veyrin

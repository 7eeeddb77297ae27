#pragma once
// What every themed control shares for drawing: theme bitmaps by resource name, frames cut from
// picture strips, nine-patch drawing of skins, and drawing the parent's background under a
// see-through control.

#include <QImage>
#include <QRect>

#include "controls/model/ui_style.h"

class QPainter;
class QWidget;

namespace veyrin {

// Pixels of this colour are the see-through parts of the theme pictures.
constexpr QRgb kThemeTransparentColor = 0xFFFF00FF;

// A compiled-in theme bitmap (":/theme/<name>"); a null image when there is none by that name.
QImage themeBitmap(const char* name);
QImage themeBitmap(const std::string& name);

// The bitmap at a theme position of the style's built-in table; null for a position of another kind.
QImage loadThemeBitmap(TsuiUIStyle style, int position);
// Frame `index` (1-based) of `count` from that bitmap; a count of 0 gives the whole bitmap.
QImage loadThemeFrame(TsuiUIStyle style, int position, int count, int index);

// Frame `index` (1-based) of `count` equal frames side by side in `strip`.
QImage copyFrame(const QImage& strip, int count, int index);

// `image` with every pixel of `key` made see-through.
QImage withTransparentColor(const QImage& image, QRgb key);

// Lays the skin over `target`: corners 1:1 (fuchsia see-through only when `transparent`), edges
// and centre stretched with fuchsia always see-through.
void drawNinePatch(const QImage& skin, QPainter& painter, const QRect& target, bool transparent);

// Paints the parent's background and content (not its other children) under `control`, so a
// see-through control shows what lies behind it. Nothing is drawn without a parent.
void copyParentBackground(QPainter& painter, const QWidget& control);

}  // namespace veyrin

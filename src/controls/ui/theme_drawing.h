#pragma once
// What every themed control shares for drawing: theme bitmaps by resource name, frames cut from
// picture strips, nine-patch drawing of skins, and drawing the parent's background under a
// see-through control. Bitmaps come for a density (1, 2 or 3) and carry it as their device pixel
// ratio; every cut is made at the theme's design coordinates times that density.

#include <QImage>
#include <QRect>

#include "controls/model/ui_style.h"

class QPainter;
class QWidget;

namespace veyrin {

// Pixels of this colour are the see-through parts of the theme pictures.
constexpr QRgb kThemeTransparentColor = 0xFFFF00FF;

// A compiled-in theme bitmap (":/theme/<name>", or its "@2x"/"@3x" file for a denser screen); a
// null image when there is none by that name.
QImage themeBitmap(const char* name, int density = 1);
QImage themeBitmap(const std::string& name, int density = 1);

// The bitmap at a theme position of the style's built-in table; null for a position of another kind.
QImage loadThemeBitmap(TsuiUIStyle style, int position, int density = 1);
// Frame `index` (1-based) of `count` from that bitmap; a count of 0 gives the whole bitmap.
QImage loadThemeFrame(TsuiUIStyle style, int position, int count, int index, int density = 1);

// Frame `index` (1-based) of `count` equal frames side by side in `strip`, cut at the strip's
// design size so that a denser strip gives the same frames in whole blocks.
QImage copyFrame(const QImage& strip, int count, int index);

// An off-screen buffer for painting `widget` at its logical size in device pixels of its screen.
QImage offscreenBuffer(const QWidget& widget);

// `picture` stretched to a design size by whole device pixels of its density, nearest neighbour.
QImage stretchedTo(const QImage& picture, QSize logicalSize);

// `image` with every pixel of `key` made see-through.
QImage withTransparentColor(const QImage& image, QRgb key);

// Lays the skin over `target` (design pixels): corners 1:1 (fuchsia see-through only when
// `transparent`), edges and centre stretched with fuchsia always see-through. A denser skin is cut
// and stretched in its own device pixels, never resampled to another density.
void drawNinePatch(const QImage& skin, QPainter& painter, const QRect& target, bool transparent);

// Paints the parent's background and content (not its other children) under `control`, so a
// see-through control shows what lies behind it. Nothing is drawn without a parent.
void copyParentBackground(QPainter& painter, const QWidget& control);

}  // namespace veyrin

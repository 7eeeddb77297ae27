#pragma once
// The skin's pictures as Qt images, and drawing the copies that compose a picture to a size.

#include <QImage>
#include <QPoint>
#include <vector>

#include "skin/model/picture_composition.h"
#include "skin/model/skin_bitmap.h"

class QPainter;
class QWidget;

namespace veyrin {

class TbsSkinData;

QImage toQImage(const SkinBitmap& bitmap);
QRect toQRect(const FrameRect& rect);

// The whole-number scale `widget` draws at (its device pixel ratio rounded, 1..3).
int skinScaleOf(const QWidget& widget);
// `bitmap` (one of `skin`'s pictures, `skin` may be null) as drawn at `scale`: the skin's picture
// for that scale, else `bitmap` enlarged by whole pixels, never smoothed. Its device pixel ratio is
// `scale`, so it covers the same logical size as the 1x picture.
QImage skinImage(const SkinBitmap& bitmap, int scale, const TbsSkinData* skin);
// A rectangle given in skin.ini's coordinates, in the device pixels of `picture`.
QRect skinSourceRect(const QImage& picture, const FrameRect& rect);

// Draws each copy from `source` with its target moved by `offset`; sources are in skin.ini's
// coordinates, cut from `source` at its scale.
void drawPictureCopies(QPainter& painter, const QImage& source, const std::vector<PictureCopy>& copies,
                       QPoint offset = QPoint());

// The whole picture composed to logical `size` at the scale of `source` (hint and popup windows).
QImage composedPicture(const QImage& source, const CompositionSource& layout, QSize size);

}  // namespace veyrin

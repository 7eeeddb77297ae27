#pragma once
// The skin's pictures as Qt images, and drawing the copies that compose a picture to a size.

#include <QImage>
#include <QPoint>
#include <vector>

#include "skin/model/picture_composition.h"
#include "skin/model/skin_bitmap.h"

class QPainter;

namespace veyrin {

QImage toQImage(const SkinBitmap& bitmap);
QRect toQRect(const FrameRect& rect);

// Draws each copy from `source` with its target moved by `offset`.
void drawPictureCopies(QPainter& painter, const QImage& source, const std::vector<PictureCopy>& copies,
                       QPoint offset = QPoint());

// The whole picture composed to `size` (hint and popup windows).
QImage composedPicture(const QImage& source, const CompositionSource& layout, QSize size);

}  // namespace veyrin

#include "skin/ui/skin_image.h"

#include <QPainter>
#include <QPixmap>

namespace veyrin {

QImage toQImage(const SkinBitmap& bitmap) {
    if (bitmap.isEmpty()) return {};
    QImage image(bitmap.width, bitmap.height, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < bitmap.width; ++x) line[x] = 0xFF000000u | bitmap.pixel(x, y);
    }
    return image;
}

QRect toQRect(const FrameRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

void drawPictureCopies(QPainter& painter, const QImage& source, const std::vector<PictureCopy>& copies, QPoint offset) {
    for (const PictureCopy& copy : copies) {
        QRect target = toQRect(copy.target).translated(offset);
        QRect from = toQRect(copy.source);
        switch (copy.mode) {
        case PictureCopy::Mode::Copy: painter.drawImage(target.topLeft(), source, from); break;
        case PictureCopy::Mode::Stretch: painter.drawImage(target, source, from); break;
        case PictureCopy::Mode::Tile: painter.drawTiledPixmap(target, QPixmap::fromImage(source.copy(from))); break;
        }
    }
}

QImage composedPicture(const QImage& source, const CompositionSource& layout, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    drawPictureCopies(painter, source, composedPictureCopies(layout, size.width(), size.height()));
    return image;
}

}  // namespace veyrin

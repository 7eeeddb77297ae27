#include "skin/ui/skin_image.h"

#include <QPainter>
#include <QPixmap>
#include <QWidget>

#include "skin/model/skin_data.h"
#include "platform/model/screen_scale.h"
#include "skin/model/skin_scale.h"

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

int skinScaleOf(const QWidget& widget) { return pictureScale(widget.devicePixelRatioF()); }

QImage skinImage(const SkinBitmap& bitmap, int scale, const TbsSkinData* skin) {
    if (bitmap.isEmpty() || scale <= 1) return toQImage(bitmap);
    QImage image = skin != nullptr ? toQImage(skin->pictureAtScale(bitmap, scale)) : QImage();
    if (image.width() != bitmap.width * scale) image = toQImage(enlargedBitmap(bitmap, scale));
    image.setDevicePixelRatio(scale);
    return image;
}

QRect skinSourceRect(const QImage& picture, const FrameRect& rect) {
    return toQRect(scaledSkinRect(rect, pictureScale(picture.devicePixelRatio())));
}

void drawPictureCopies(QPainter& painter, const QImage& source, const std::vector<PictureCopy>& copies, QPoint offset) {
    for (const PictureCopy& copy : copies) {
        QRect target = toQRect(copy.target).translated(offset);
        QRect from = skinSourceRect(source, copy.source);
        switch (copy.mode) {
        case PictureCopy::Mode::Copy: painter.drawImage(target.topLeft(), source, from); break;
        case PictureCopy::Mode::Stretch: painter.drawImage(target, source, from); break;
        case PictureCopy::Mode::Tile: painter.drawTiledPixmap(target, QPixmap::fromImage(source.copy(from))); break;
        }
    }
}

QImage composedPicture(const QImage& source, const CompositionSource& layout, QSize size) {
    const qreal scale = source.devicePixelRatio();
    QImage image(size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::black);
    QPainter painter(&image);
    drawPictureCopies(painter, source, composedPictureCopies(layout, size.width(), size.height()));
    return image;
}

}  // namespace veyrin

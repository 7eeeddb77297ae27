#include "controls/ui/theme_drawing.h"

#include <QPainter>
#include <QWidget>

#include "controls/model/scaled_pieces.h"
#include "controls/model/theme_table.h"
#include "controls/ui/density_picture.h"

namespace veyrin {

namespace {

int densityOf(const QImage& image) { return pictureDensity(image.devicePixelRatio()); }

QRect toQRect(const PixelRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

// QImage::copy and QImage::scaled do not all keep the ratio; every piece gets it back.
QImage atDensity(QImage image, int density) {
    image.setDevicePixelRatio(density);
    return image;
}

}  // namespace

QImage themeBitmap(const char* name, int density) {
    const QImage bitmap = densityImage(QStringLiteral(":/theme/") + QString::fromLatin1(name), density);
    return atDensity(bitmap.convertToFormat(QImage::Format_RGB32), densityOf(bitmap));
}

QImage themeBitmap(const std::string& name, int density) { return themeBitmap(name.c_str(), density); }

QImage loadThemeBitmap(TsuiUIStyle style, int position, int density) {
    std::string name = themeBitmapName(style, position);
    return name.empty() ? QImage() : themeBitmap(name, density);
}

QImage loadThemeFrame(TsuiUIStyle style, int position, int count, int index, int density) {
    return copyFrame(loadThemeBitmap(style, position, density), count, index);
}

QImage copyFrame(const QImage& strip, int count, int index) {
    if (strip.isNull()) return {};
    const int density = densityOf(strip);
    return atDensity(strip.copy(toQRect(scaledFrameRect(strip.width(), strip.height(), count, index, density))),
                     density);
}

QImage offscreenBuffer(const QWidget& widget) {
    const int density = pictureDensity(widget);
    QImage buffer(widget.size() * density, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(density);
    return buffer;
}

QImage stretchedTo(const QImage& picture, QSize logicalSize) {
    const int density = densityOf(picture);
    return atDensity(picture.scaled(logicalSize * density, Qt::IgnoreAspectRatio, Qt::FastTransformation), density);
}

QImage withTransparentColor(const QImage& image, QRgb key) {
    QImage result = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb opaqueKey = key | 0xFF000000u;
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((line[x] | 0xFF000000u) == opaqueKey) line[x] = 0;
    }
    return result;
}

namespace {

QImage pieceImage(const QImage& skin, const NinePatchPiece& piece) {
    QImage source = skin.copy(toQRect(piece.source));
    if (piece.stretched)
        source = source.scaled(piece.target.width(), piece.target.height(), Qt::IgnoreAspectRatio,
                               Qt::FastTransformation);
    return source;
}

}  // namespace

void drawNinePatch(const QImage& skin, QPainter& painter, const QRect& target, bool transparent) {
    if (skin.isNull() || target.isEmpty()) return;
    const int density = densityOf(skin);
    const QImage rgbSkin = skin.convertToFormat(QImage::Format_RGB32);
    for (const NinePatchPiece& piece :
         scaledNinePatchPieces(skin.width(), skin.height(), target.width(), target.height(), density)) {
        QImage image = pieceImage(rgbSkin, piece);
        if (piece.stretched || transparent) image = withTransparentColor(image, kThemeTransparentColor);
        const QPoint at(piece.target.left / density, piece.target.top / density);
        painter.drawImage(target.topLeft() + at, atDensity(image, density));
    }
}

void copyParentBackground(QPainter& painter, const QWidget& control) {
    QWidget* parent = control.parentWidget();
    if (!parent) return;
    painter.save();
    // Only the parent itself: drawing its children would draw this control into itself.
    const QRect behind = control.geometry().intersected(parent->rect());
    parent->render(&painter, behind.topLeft() - control.pos(), QRegion(behind),
                   QWidget::DrawWindowBackground);
    painter.restore();
}

}  // namespace veyrin

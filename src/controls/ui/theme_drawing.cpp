#include "controls/ui/theme_drawing.h"

#include <QPainter>
#include <QWidget>

#include "controls/model/nine_patch.h"
#include "controls/model/theme_table.h"

namespace veyrin {

QImage themeBitmap(const char* name) {
    return QImage(QStringLiteral(":/theme/") + QString::fromLatin1(name)).convertToFormat(QImage::Format_RGB32);
}

QImage themeBitmap(const std::string& name) { return themeBitmap(name.c_str()); }

QImage loadThemeBitmap(TsuiUIStyle style, int position) {
    std::string name = themeBitmapName(style, position);
    return name.empty() ? QImage() : themeBitmap(name);
}

QImage loadThemeFrame(TsuiUIStyle style, int position, int count, int index) {
    return copyFrame(loadThemeBitmap(style, position), count, index);
}

QImage copyFrame(const QImage& strip, int count, int index) {
    if (strip.isNull()) return {};
    PixelRect r = frameRect(strip.width(), strip.height(), count, index);
    return strip.copy(r.left, r.top, r.width(), r.height());
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

QRect toQRect(const PixelRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }

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
    const QImage rgbSkin = skin.convertToFormat(QImage::Format_RGB32);
    for (const NinePatchPiece& piece : ninePatchPieces(skin.width(), skin.height(), target.width(), target.height())) {
        QImage image = pieceImage(rgbSkin, piece);
        if (piece.stretched || transparent) image = withTransparentColor(image, kThemeTransparentColor);
        painter.drawImage(target.topLeft() + QPoint(piece.target.left, piece.target.top), image);
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

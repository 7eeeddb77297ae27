#include "controls/ui/density_picture.h"

#include <QFile>
#include <QWidget>

#include "platform/model/screen_scale.h"

namespace veyrin {

int pictureDensity(qreal devicePixelRatio) {
    return pictureScale(devicePixelRatio);
}

int pictureDensity(const QWidget& widget) { return pictureDensity(widget.devicePixelRatioF()); }

QString densityFileName(const QString& fileName, int density) {
    if (density <= 1) return fileName;
    const qsizetype slash = fileName.lastIndexOf('/');
    qsizetype dot = fileName.lastIndexOf('.');
    if (dot <= slash) dot = fileName.size();
    return fileName.left(dot) + QStringLiteral("@%1x").arg(density) + fileName.mid(dot);
}

QImage densityImage(const QString& fileName, int density) {
    const QString dense = densityFileName(fileName, density);
    if (density <= 1 || !QFile::exists(dense)) return QImage(fileName);
    QImage image(dense);
    image.setDevicePixelRatio(density);
    return image;
}

QSize logicalSize(const QImage& image) { return image.deviceIndependentSize().toSize(); }

}  // namespace veyrin

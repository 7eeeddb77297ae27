#pragma once
// Compiled-in pictures come drawn for three screen densities: NAME.ext, and NAME@2x.ext and
// NAME@3x.ext beside it at two and three times the size. A picture is taken for the density of
// the screen a widget is on, rounded to 1, 2 or 3, and carries that density as its device pixel
// ratio, so painters draw it at the same logical size with the finer detail.

#include <QImage>
#include <QString>

class QWidget;

namespace veyrin {

// The density (1, 2 or 3) whose pictures suit a device pixel ratio.
int pictureDensity(qreal devicePixelRatio);
int pictureDensity(const QWidget& widget);

// ":/x/a.bmp" at density 2 is ":/x/a@2x.bmp"; at density 1 the name itself.
QString densityFileName(const QString& fileName, int density);

// The picture for `density`, falling back to the 1x file (ratio 1) when there is no denser one.
QImage densityImage(const QString& fileName, int density);

// The logical size of a picture: its pixels divided by its density.
QSize logicalSize(const QImage& image);

}  // namespace veyrin

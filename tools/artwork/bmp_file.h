#pragma once
// Windows bitmap files written byte for byte: Qt's own writer leaves the padding at the end of
// palette rows as it finds it in memory, and stores 32-bit pictures as 24-bit, so the generators
// write their BMP files here. Rows go bottom-up, uncompressed, 96 DPI; padding is zero.

#include <QByteArray>
#include <QImage>

namespace artwork {

// A 1- or 8-bit file from a Format_Mono or Format_Indexed8 image (its colour table becomes the
// palette), or a 24- or 32-bit file from any other image.
QByteArray bmpFileBytes(const QImage& image, int bitsPerPixel);

}  // namespace artwork

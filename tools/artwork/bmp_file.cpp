#include "bmp_file.h"

namespace artwork {
namespace {

void put16(QByteArray& b, quint16 v) { b.append(char(v & 0xFF)).append(char(v >> 8)); }
void put32(QByteArray& b, quint32 v) {
    for (int i = 0; i < 4; ++i) b.append(char((v >> (8 * i)) & 0xFF));
}

QByteArray row(const QImage& image, int y, int bitsPerPixel, int rowBytes) {
    QByteArray out(rowBytes, '\0');
    for (int x = 0; x < image.width(); ++x) {
        if (bitsPerPixel == 1) {
            if (image.pixelIndex(x, y)) out[x / 8] = char(out[x / 8] | (0x80 >> (x % 8)));
        } else if (bitsPerPixel == 8) {
            out[x] = char(image.pixelIndex(x, y));
        } else {
            const QRgb p = image.pixel(x, y);
            const int at = x * bitsPerPixel / 8;
            out[at] = char(qBlue(p));
            out[at + 1] = char(qGreen(p));
            out[at + 2] = char(qRed(p));
        }
    }
    return out;
}

}  // namespace

QByteArray bmpFileBytes(const QImage& image, int bitsPerPixel) {
    const bool palette = bitsPerPixel <= 8;
    const quint32 colours = palette ? quint32(image.colorCount()) : 0;
    const int rowBytes = ((image.width() * bitsPerPixel + 31) / 32) * 4;
    const quint32 pixelBytes = quint32(rowBytes * image.height());
    const quint32 offset = 14 + 40 + 4 * colours;
    QByteArray b;
    b.append("BM");
    put32(b, offset + pixelBytes);
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, quint32(image.width()));
    put32(b, quint32(image.height()));  // bottom-up rows
    put16(b, 1);
    put16(b, quint16(bitsPerPixel));
    put32(b, 0);  // BI_RGB
    put32(b, pixelBytes);
    put32(b, 3780);  // 96 DPI
    put32(b, 3780);
    put32(b, colours);
    put32(b, 0);
    for (quint32 i = 0; i < colours; ++i) {
        const QRgb c = image.color(int(i));
        b.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append('\0');
    }
    for (int y = image.height() - 1; y >= 0; --y) b.append(row(image, y, bitsPerPixel, rowBytes));
    return b;
}

}  // namespace artwork

// Draws the program's own pictures: the nine main-window button pictures, the spin edit's arrow
// glyphs, the reading window's toolbar pictures and the window icon. Run by make_pictures.sh;
// the output is committed under resources/pictures/ and compiled in through pictures.qrc.
//
// Button pictures are bitmaps whose bottom-left pixel names the see-through colour (white in the
// 24-bit ones, magenta in the 32-bit ones). Shapes are drawn antialiased on a transparent canvas
// and then laid on the white of the buttons; only fully empty pixels get the key colour, and a
// drawn pixel that happens to equal the key is nudged by one step so it never turns see-through.
//
// Every picture is drawn once for each screen density (1, 2 and 3 device pixels a design pixel)
// from the same drawing code: the canvas carries the density as its device pixel ratio, so the
// painter works in design pixels and the 2x and 3x files hold real detail, not a blow-up. The
// pixel-art parts (the arrow glyphs, the small icon's strokes, the key pixel) stay whole blocks.
//
// Light comes from the top left throughout: gradients run light to dark from there, gloss sits
// on the upper left, outlines are darkest on the lower right.

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "bmp_file.h"
#include "svg_recorder.h"

#include <cstdio>
#include <cstdlib>
#include <functional>

namespace {

QString outputDir;
int density = 1;  // device pixels a design pixel for the pictures being drawn

// "cut.bmp" at 2x is "cut@2x.bmp", beside the 1x file where the program's density lookup finds it.
QString densityName(const QString& name) {
    if (density == 1) return name;
    const qsizetype dot = name.lastIndexOf('.');
    return name.left(dot) + QStringLiteral("@%1x").arg(density) + name.mid(dot);
}

// ---------------------------------------------------------------------------------------------
// Output

enum class KeyColour { White, Magenta, None };

QRgb keyRgb(KeyColour key) { return key == KeyColour::Magenta ? qRgb(255, 0, 255) : qRgb(255, 255, 255); }

// Lays the drawn canvas on white, marks empty pixels with the key colour.
QImage keyed(const QImage& canvas, KeyColour key) {
    QImage art = canvas.convertToFormat(QImage::Format_ARGB32);
    QImage out(art.size(), QImage::Format_RGB32);
    const QRgb keyValue = keyRgb(key);
    for (int y = 0; y < art.height(); ++y) {
        for (int x = 0; x < art.width(); ++x) {
            QRgb p = art.pixel(x, y);
            int a = qAlpha(p);
            if (a < 10) {
                out.setPixel(x, y, keyValue);
                continue;
            }
            auto over = [a](int c) { return (c * a + 255 * (255 - a) + 127) / 255; };
            QRgb c = qRgb(over(qRed(p)), over(qGreen(p)), over(qBlue(p)));
            if ((c & 0xFFFFFF) == (keyValue & 0xFFFFFF)) c = key == KeyColour::Magenta ? qRgb(254, 0, 254) : qRgb(254, 254, 254);
            out.setPixel(x, y, c);
        }
    }
    // The see-through colour is read from the bottom-left pixel; it covers one whole design pixel.
    for (int y = out.height() - density; y < out.height(); ++y)
        for (int x = 0; x < density; ++x) out.setPixel(x, y, keyValue);
    return out;
}

// Qt's writer always stores 24 bits a pixel; the 32-bit pictures must really be 32-bit.
void writeBmp(const QImage& image, int bitsPerPixel, const QString& name) {
    const QByteArray b = artwork::bmpFileBytes(image, bitsPerPixel);
    QFile file(outputDir + "/" + densityName(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(b) != b.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

using Drawing = std::function<void(QPainter&)>;

QImage render(int width, int height, const Drawing& draw, int scale) {
    QImage canvas(width * scale, height * scale, QImage::Format_ARGB32_Premultiplied);
    canvas.setDevicePixelRatio(scale);
    canvas.fill(Qt::transparent);
    QPainter p(&canvas);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p);
    p.end();
    return canvas;
}

void buttonPicture(const QString& name, int width, int height, int bits, const Drawing& draw) {
    KeyColour key = bits == 32 ? KeyColour::Magenta : KeyColour::White;
    writeBmp(keyed(render(width, height, draw, density), key), bits, name);
}

void savePng(const QImage& image, const QString& path) {
    if (!image.save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void pngPicture(const QString& name, int width, int height, const Drawing& draw) {
    savePng(render(width, height, draw, density), outputDir + "/" + densityName(name));
}

// ---------------------------------------------------------------------------------------------
// Shared drawing helpers

QLinearGradient litFromTopLeft(const QRectF& r, const QColor& light, const QColor& dark) {
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QPen hairline(const QColor& c, qreal width = 1.0) {
    QPen pen(c, width);
    pen.setJoinStyle(Qt::MiterJoin);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

// A sheet of paper with its top-right corner folded down; r is aligned on pixel centres.
void page(QPainter& p, const QRectF& r, const QColor& light, const QColor& dark, const QColor& edge, qreal fold) {
    QPainterPath sheet;
    sheet.moveTo(r.topLeft());
    sheet.lineTo(r.right() - fold, r.top());
    sheet.lineTo(r.right(), r.top() + fold);
    sheet.lineTo(r.bottomRight());
    sheet.lineTo(r.bottomLeft());
    sheet.closeSubpath();
    p.setPen(hairline(edge));
    p.setBrush(litFromTopLeft(r, light, dark));
    p.drawPath(sheet);
    QPainterPath corner;
    corner.moveTo(r.right() - fold, r.top());
    corner.lineTo(r.right() - fold, r.top() + fold);
    corner.lineTo(r.right(), r.top() + fold);
    corner.closeSubpath();
    p.setBrush(litFromTopLeft(QRectF(r.right() - fold, r.top(), fold, fold), dark, QColor(dark).darker(115)));
    p.drawPath(corner);
}

void textLines(QPainter& p, qreal left, qreal right, qreal top, qreal step, int count, const QColor& c) {
    p.setPen(hairline(c));
    for (int i = 0; i < count; ++i) {
        qreal y = top + i * step;
        qreal end = (i == count - 1) ? left + (right - left) * 0.6 : right;
        p.drawLine(QPointF(left, y), QPointF(end, y));
    }
}

// A soft drop shadow under a shape, offset to the lower right.
void shadowOf(QPainter& p, const QPainterPath& shape, qreal dx = 1, qreal dy = 1, int alpha = 60) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, alpha));
    p.drawPath(shape.translated(dx, dy));
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Main-window button pictures

// 后退 / 前进: a glossy blue round button with a white arrow.
void roundArrowButton(QPainter& p, bool pointsLeft) {
    const QRectF disc(1.5, 2.0, 24, 24);
    QPainterPath ring;
    ring.addEllipse(disc);
    shadowOf(p, ring, 0.6, 1.0, 50);

    QRadialGradient body(disc.left() + disc.width() * 0.38, disc.top() + disc.height() * 0.3, disc.width() * 0.75);
    body.setColorAt(0.0, QColor(0x7C, 0xC0, 0xF7));
    body.setColorAt(0.55, QColor(0x2F, 0x86, 0xDE));
    body.setColorAt(1.0, QColor(0x12, 0x4E, 0xA6));
    p.setPen(hairline(QColor(0x10, 0x45, 0x90)));
    p.setBrush(body);
    p.drawEllipse(disc);

    // Gloss on the upper half.
    QRectF gloss(disc.left() + 3.5, disc.top() + 1.5, disc.width() - 7, disc.height() * 0.45);
    QLinearGradient shine = vertical(gloss, QColor(255, 255, 255, 170), QColor(255, 255, 255, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.drawEllipse(gloss);

    // The arrow: a broad head and a short shaft, with a faint shadow for depth.
    const qreal cx = disc.center().x(), cy = disc.center().y() + 0.5;
    QPainterPath arrow;
    arrow.moveTo(cx - 7, cy);
    arrow.lineTo(cx - 0.5, cy - 6.5);
    arrow.lineTo(cx - 0.5, cy - 3);
    arrow.lineTo(cx + 6.5, cy - 3);
    arrow.lineTo(cx + 6.5, cy + 3);
    arrow.lineTo(cx - 0.5, cy + 3);
    arrow.lineTo(cx - 0.5, cy + 6.5);
    arrow.closeSubpath();
    if (!pointsLeft) {
        QTransform mirror;
        mirror.translate(2 * cx, 0);
        mirror.scale(-1, 1);
        arrow = mirror.map(arrow);
    }
    shadowOf(p, arrow, 0.8, 0.9, 90);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(arrow.boundingRect(), QColor(255, 255, 255), QColor(0xDC, 0xEC, 0xFA)));
    p.drawPath(arrow);
}

// 剪切: open scissors, steel blades up, green handles below.
void scissors(QPainter& p) {
    const QPointF pivot(16, 15.5);
    // Blades: two slim tapering shapes crossing at the pivot.
    auto blade = [&](qreal angleDeg) {
        QPainterPath b;
        b.moveTo(-2.0, 4.5);
        b.cubicTo(-2.6, -4, -1.4, -10, 0.2, -14.5);
        b.cubicTo(1.6, -10, 2.2, -4, 2.0, 4.5);
        b.closeSubpath();
        QTransform t;
        t.translate(pivot.x(), pivot.y());
        t.rotate(angleDeg);
        return t.map(b);
    };
    QPainterPath left = blade(-19), right = blade(19);
    QColor steelEdge(0x5A, 0x62, 0x6E);
    for (const QPainterPath& b : {left, right}) {
        shadowOf(p, b, 0.7, 0.8, 55);
        p.setPen(hairline(steelEdge, 0.8));
        p.setBrush(litFromTopLeft(b.boundingRect(), QColor(0xF4, 0xF6, 0xF8), QColor(0x9A, 0xA3, 0xAE)));
        p.drawPath(b);
    }
    // The ground edge of each blade catches the light.
    p.setPen(QPen(QColor(255, 255, 255, 200), 0.7));
    for (qreal angle : {-19.0, 19.0}) {
        QTransform t;
        t.translate(pivot.x(), pivot.y());
        t.rotate(angle);
        p.drawLine(t.map(QPointF(-0.6, 1)), t.map(QPointF(-0.2, -11.5)));
    }
    // Handles: green rings on arms from the pivot.
    auto handle = [&](qreal cx, qreal cy) {
        QPainterPath outer, inner;
        outer.addEllipse(QPointF(cx, cy), 5.6, 5.0);
        inner.addEllipse(QPointF(cx, cy), 2.9, 2.4);
        QPainterPath ringShape = outer.subtracted(inner);
        QPainterPath arm;
        arm.moveTo(pivot.x() - 1.6, pivot.y() + 2);
        arm.lineTo(pivot.x() + 1.6, pivot.y() + 2);
        arm.lineTo(cx + (cx < pivot.x() ? 3.5 : -1.0), cy - 3.8);
        arm.lineTo(cx + (cx < pivot.x() ? 1.0 : -3.5), cy - 4.6);
        arm.closeSubpath();
        QPainterPath whole = ringShape.united(arm);
        shadowOf(p, whole, 0.8, 1.0, 60);
        p.setPen(hairline(QColor(0x1D, 0x6B, 0x22), 0.9));
        p.setBrush(litFromTopLeft(whole.boundingRect(), QColor(0x8E, 0xE0, 0x6A), QColor(0x2E, 0x96, 0x2E)));
        p.drawPath(whole);
        // A highlight along the upper-left of the ring.
        p.setPen(QPen(QColor(255, 255, 255, 150), 0.9));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(cx - 4.4, cy - 3.8, 8.8, 7.6), 100 * 16, 80 * 16);
    };
    handle(9.5, 25.5);
    handle(22.5, 25.5);
    // Pivot screw.
    p.setPen(hairline(QColor(0x44, 0x48, 0x50), 0.8));
    QRadialGradient screw(pivot.x() - 0.6, pivot.y() - 0.6, 2.2);
    screw.setColorAt(0, QColor(0xFF, 0xFF, 0xFF));
    screw.setColorAt(1, QColor(0x8A, 0x92, 0x9C));
    p.setBrush(screw);
    p.drawEllipse(pivot, 1.8, 1.8);
}

// 复制: two overlapping pages.
void twoPages(QPainter& p) {
    const QColor edge(0x52, 0x66, 0x80);
    QPainterPath back;
    back.addRect(QRectF(4.5, 2.5, 16, 20));
    shadowOf(p, back, 1, 1, 45);
    page(p, QRectF(4.5, 2.5, 16, 20), QColor(0xFF, 0xFF, 0xFF), QColor(0xD8, 0xE2, 0xEE), edge, 5);
    textLines(p, 7.5, 16.5, 8.5, 3, 4, QColor(0x9D, 0xB0, 0xC8));
    QPainterPath front;
    front.addRect(QRectF(11.5, 9.5, 16, 20));
    shadowOf(p, front, 1, 1, 60);
    page(p, QRectF(11.5, 9.5, 16, 20), QColor(0xFF, 0xFF, 0xFF), QColor(0xD2, 0xDF, 0xEE), edge, 5);
    textLines(p, 14.5, 23.5, 15.5, 3, 4, QColor(0x5F, 0x86, 0xB8));
}

// 粘贴: a clipboard with a page on it.
void clipboard(QPainter& p) {
    QPainterPath board;
    board.addRoundedRect(QRectF(4.5, 4.5, 21, 25), 2, 2);
    shadowOf(p, board, 1, 1, 60);
    p.setPen(hairline(QColor(0x6E, 0x45, 0x17)));
    p.setBrush(litFromTopLeft(board.boundingRect(), QColor(0xE2, 0xB0, 0x6A), QColor(0xA6, 0x6A, 0x2A)));
    p.drawPath(board);
    // Inner bevel: light on the upper left.
    p.setPen(QPen(QColor(255, 240, 210, 140), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(5.5, 5.5, 19, 23), 1.5, 1.5);

    page(p, QRectF(12.5, 11.5, 15, 18), QColor(0xFF, 0xFF, 0xFF), QColor(0xDA, 0xE4, 0xEF), QColor(0x52, 0x66, 0x80), 4);
    textLines(p, 15.5, 24.5, 17.5, 3, 4, QColor(0x5F, 0x86, 0xB8));

    // The metal clip on top.
    QPainterPath clip;
    clip.addRoundedRect(QRectF(9.5, 2.5, 11, 5), 1.5, 1.5);
    p.setPen(hairline(QColor(0x50, 0x58, 0x62)));
    p.setBrush(vertical(clip.boundingRect(), QColor(0xF2, 0xF4, 0xF6), QColor(0x8C, 0x96, 0xA2)));
    p.drawPath(clip);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x50, 0x58, 0x62));
    p.drawEllipse(QPointF(15, 3.6), 1.3, 1.0);
}

// 字体: a folder holding fonts: type specimen cards stand in it, a serif "A" marks its front.
void fontFolder(QPainter& p) {
    const QColor folderEdge(0x9A, 0x6B, 0x0E);
    QPainterPath back;
    back.moveTo(2.5, 5.5);
    back.lineTo(11.5, 5.5);
    back.lineTo(13.5, 7.5);
    back.lineTo(29.5, 7.5);
    back.lineTo(29.5, 28.5);
    back.lineTo(2.5, 28.5);
    back.closeSubpath();
    shadowOf(p, back, 1, 1, 50);
    p.setPen(hairline(folderEdge));
    p.setBrush(litFromTopLeft(back.boundingRect(), QColor(0xF7, 0xD3, 0x6E), QColor(0xD9, 0xA2, 0x2C)));
    p.drawPath(back);

    // Two specimen cards standing in the folder, the rear one tilted.
    p.save();
    p.translate(18, 14);
    p.rotate(8);
    p.setPen(hairline(QColor(0x8A, 0x8F, 0x99)));
    p.setBrush(vertical(QRectF(-6, -11, 12, 12), QColor(0xFF, 0xFF, 0xFF), QColor(0xE2, 0xE6, 0xEE)));
    p.drawRect(QRectF(-6.5, -11.5, 12, 12));
    textLines(p, -4.5, 3.5, -8.5, 2, 3, QColor(0xB0, 0x2A, 0x2A));
    p.restore();
    p.setPen(hairline(QColor(0x8A, 0x8F, 0x99)));
    p.setBrush(vertical(QRectF(5.5, 3.5, 13, 12), QColor(0xFF, 0xFF, 0xFF), QColor(0xE6, 0xEA, 0xF0)));
    p.drawRect(QRectF(5.5, 3.5, 13, 12));
    textLines(p, 7.5, 16.5, 6.5, 2, 3, QColor(0x5F, 0x86, 0xB8));

    QPainterPath front;
    front.moveTo(2.5, 12.5);
    front.lineTo(29.5, 12.5);
    front.lineTo(29.5, 28.5);
    front.lineTo(2.5, 28.5);
    front.closeSubpath();
    p.setPen(hairline(folderEdge));
    p.setBrush(vertical(front.boundingRect(), QColor(0xFF, 0xE2, 0x8A), QColor(0xE9, 0xB0, 0x3A)));
    p.drawPath(front);
    p.setPen(QPen(QColor(255, 250, 225, 200), 1));
    p.drawLine(QPointF(3.5, 13.5), QPointF(28.5, 13.5));

    QFont serif(QStringLiteral("DejaVu Serif"));
    serif.setPixelSize(15);
    serif.setBold(true);
    QPainterPath letter;
    letter.addText(0, 0, serif, QStringLiteral("A"));
    QRectF box = letter.boundingRect();
    letter.translate(16 - box.center().x(), 21 - box.center().y());
    shadowOf(p, letter, 0.8, 0.8, 70);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(letter.boundingRect(), QColor(0x3A, 0x74, 0xD8), QColor(0x14, 0x3E, 0x96)));
    p.drawPath(letter);
}

// 字颜色: a painter's palette on a blue card.
void paletteCard(QPainter& p) {
    QRectF card(1.5, 1.5, 28, 30);
    QPainterPath cardPath;
    cardPath.addRoundedRect(card, 3, 3);
    shadowOf(p, cardPath, 1, 1, 55);
    p.setPen(hairline(QColor(0x14, 0x46, 0x8C)));
    p.setBrush(litFromTopLeft(card, QColor(0x6F, 0xAE, 0xEE), QColor(0x1F, 0x5F, 0xB8)));
    p.drawPath(cardPath);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(card.adjusted(1, 1, -1, -1), 2, 2);

    // The palette: a rounded board with a thumb hole and a notch.
    QPainterPath board;
    board.addEllipse(QRectF(4.5, 7.5, 23, 19));
    QPainterPath hole;
    hole.addEllipse(QRectF(8.5, 17.5, 4.5, 4));
    QPainterPath notch;
    notch.addEllipse(QRectF(1.5, 13.5, 7, 7));
    QPainterPath wood = board.subtracted(hole).subtracted(notch);
    shadowOf(p, wood, 1, 1, 80);
    p.setPen(hairline(QColor(0x8C, 0x5A, 0x24), 0.9));
    p.setBrush(litFromTopLeft(wood.boundingRect(), QColor(0xF6, 0xDE, 0xB0), QColor(0xC8, 0x92, 0x52)));
    p.drawPath(wood);

    auto blob = [&](qreal x, qreal y, QColor c) {
        QRadialGradient g(x - 0.7, y - 0.7, 2.6);
        g.setColorAt(0, c.lighter(150));
        g.setColorAt(1, c);
        p.setPen(hairline(c.darker(140), 0.7));
        p.setBrush(g);
        p.drawEllipse(QPointF(x, y), 2.1, 1.9);
    };
    blob(11.5, 11.5, QColor(0xE0, 0x2A, 0x2A));
    blob(16.5, 10.0, QColor(0xF2, 0xC2, 0x1A));
    blob(21.5, 11.5, QColor(0x2E, 0xA8, 0x3A));
    blob(23.0, 17.0, QColor(0x24, 0x5C, 0xD6));
    blob(19.0, 21.5, QColor(0x8E, 0x3A, 0xC0));
}

// 背景色: a blue page with a stroke of paint across it.
void paintedPage(QPainter& p) {
    QRectF sheet(4.5, 1.5, 22, 28);
    QPainterPath outline;
    outline.addRect(sheet);
    shadowOf(p, outline, 1, 1, 55);
    page(p, sheet, QColor(0xC4, 0xE0, 0xFF), QColor(0x5C, 0x9C, 0xE8), QColor(0x1E, 0x56, 0xA8), 6);

    // A wavy brush stroke, thick in the middle and tapering at the ends.
    QPainterPath stroke;
    stroke.moveTo(6, 21);
    stroke.cubicTo(10, 14, 14, 24, 19, 16);
    stroke.cubicTo(21, 13, 23, 13, 25.5, 13.5);
    stroke.lineTo(25.5, 17.5);
    stroke.cubicTo(23, 17, 22, 18, 20, 21);
    stroke.cubicTo(15, 28, 11, 20, 6.5, 24);
    stroke.closeSubpath();
    shadowOf(p, stroke, 0.8, 0.9, 60);
    p.setPen(hairline(QColor(0xA8, 0x3A, 0x0C), 0.8));
    p.setBrush(litFromTopLeft(stroke.boundingRect(), QColor(0xFF, 0xB4, 0x4C), QColor(0xE8, 0x56, 0x1A)));
    p.drawPath(stroke);
    p.setPen(QPen(QColor(255, 240, 200, 170), 0.9));
    p.setBrush(Qt::NoBrush);
    QPainterPath gleam;
    gleam.moveTo(8, 21.3);
    gleam.cubicTo(11, 17, 14, 22.5, 18, 17.5);
    p.drawPath(gleam);
}

// 关于: a blue globe with an orbit ring.
void globe(QPainter& p) {
    const QPointF c(15.5, 16);
    const qreal r = 10.5;
    QPainterPath sphere;
    sphere.addEllipse(c, r, r);
    // The ring's far half goes behind the globe.
    QTransform tilt;
    tilt.translate(c.x(), c.y());
    tilt.rotate(-22);
    QRectF orbit(-14.5, -4.6, 29, 9.2);
    QPen ringPen(QColor(0xE8, 0xB0, 0x30), 1.6);
    p.save();
    p.setTransform(tilt);
    p.setPen(ringPen);
    p.setBrush(Qt::NoBrush);
    p.drawArc(orbit, 0, 180 * 16);
    p.restore();

    shadowOf(p, sphere, 1, 1, 60);
    QRadialGradient sea(c.x() - r * 0.45, c.y() - r * 0.45, r * 1.6);
    sea.setColorAt(0, QColor(0xA8, 0xDA, 0xFF));
    sea.setColorAt(0.45, QColor(0x3A, 0x8E, 0xE6));
    sea.setColorAt(1, QColor(0x0E, 0x3E, 0x96));
    p.setPen(hairline(QColor(0x0E, 0x3A, 0x86)));
    p.setBrush(sea);
    p.drawPath(sphere);

    // Meridians and parallels, clipped to the sphere.
    p.save();
    p.setClipPath(sphere);
    p.setPen(QPen(QColor(255, 255, 255, 85), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, r * 0.45, r);
    p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
    p.drawLine(QPointF(c.x() - r, c.y()), QPointF(c.x() + r, c.y()));
    p.drawLine(QPointF(c.x() - r, c.y() - r * 0.5), QPointF(c.x() + r, c.y() - r * 0.5));
    p.drawLine(QPointF(c.x() - r, c.y() + r * 0.5), QPointF(c.x() + r, c.y() + r * 0.5));
    p.restore();

    // Gloss.
    QRectF shine(c.x() - r * 0.75, c.y() - r * 0.9, r * 1.0, r * 0.7);
    p.setPen(Qt::NoPen);
    p.setBrush(vertical(shine, QColor(255, 255, 255, 160), QColor(255, 255, 255, 0)));
    p.drawEllipse(shine);

    // The near half of the ring in front.
    p.save();
    p.setTransform(tilt);
    p.setPen(QPen(QColor(0x8A, 0x5A, 0x08), 2.6));
    p.drawArc(orbit, 180 * 16, 180 * 16);
    p.setPen(QPen(QColor(0xFF, 0xD2, 0x5A), 1.4));
    p.drawArc(orbit, 180 * 16, 180 * 16);
    p.restore();
}

// ---------------------------------------------------------------------------------------------
// Spin edit arrows: 5 x 5 black triangles on olive, the see-through colour.

void arrowGlyph(const QString& name, bool up) {
    QImage image(5 * density, 5 * density, QImage::Format_RGB32);
    image.fill(qRgb(0x80, 0x80, 0x00));
    QPainter p(&image);
    for (int row = 0; row < 3; ++row) {
        int y = up ? 1 + row : 3 - row;
        p.fillRect((2 - row) * density, y * density, (2 * row + 1) * density, density, QColor(0, 0, 0));
    }
    p.end();
    writeBmp(image, 24, name);
}

// ---------------------------------------------------------------------------------------------
// Reading window toolbar pictures (16 x 16, alpha)

void smallScissors(QPainter& p) {
    p.setPen(QPen(QColor(0x5A, 0x62, 0x6E), 1.3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.5, 1.5), QPointF(10.2, 9.8));
    p.drawLine(QPointF(10.5, 1.5), QPointF(5.8, 9.8));
    p.setPen(QPen(QColor(0xC8, 0xCE, 0xD6), 0.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(5.3, 2), QPointF(9.5, 9.2));
    p.drawLine(QPointF(10.3, 2), QPointF(6.5, 9.2));
    p.setPen(QPen(QColor(0x2E, 0x8A, 0x30), 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(4.8, 12.2), 2.4, 2.2);
    p.drawEllipse(QPointF(11.2, 12.2), 2.4, 2.2);
}

void smallPage(QPainter& p, const QRectF& r, const QColor& lines) {
    page(p, r, QColor(0xFF, 0xFF, 0xFF), QColor(0xDD, 0xE6, 0xF0), QColor(0x52, 0x66, 0x80), 3);
    textLines(p, r.left() + 2, r.right() - 2, r.top() + 5, 2, int((r.height() - 6) / 2), lines);
}

void smallCopy(QPainter& p) {
    smallPage(p, QRectF(1.5, 0.5, 8, 10), QColor(0xA8, 0xB8, 0xCC));
    smallPage(p, QRectF(6.5, 4.5, 8, 11), QColor(0x5F, 0x86, 0xB8));
}

void smallPaste(QPainter& p) {
    p.setPen(hairline(QColor(0x6E, 0x45, 0x17)));
    p.setBrush(litFromTopLeft(QRectF(1.5, 2.5, 11, 13), QColor(0xE2, 0xB0, 0x6A), QColor(0xA6, 0x6A, 0x2A)));
    p.drawRect(QRectF(1.5, 2.5, 11, 12));
    p.setPen(hairline(QColor(0x50, 0x58, 0x62)));
    p.setBrush(vertical(QRectF(4.5, 0.5, 5, 3), QColor(0xF2, 0xF4, 0xF6), QColor(0x8C, 0x96, 0xA2)));
    p.drawRect(QRectF(4.5, 1.5, 5, 2));
    smallPage(p, QRectF(6.5, 6.5, 8, 9), QColor(0x5F, 0x86, 0xB8));
}

void smallUndo(QPainter& p) {
    QPainterPath curve;
    curve.moveTo(4, 6.5);
    curve.cubicTo(8, 3.5, 14.5, 5, 13.5, 10.5);
    curve.cubicTo(13, 13, 10.5, 14, 8.5, 14);
    QPen body(QColor(0x1E, 0x5F, 0xC0), 2.2, Qt::SolidLine, Qt::RoundCap);
    p.setPen(body);
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
    QPainterPath head;
    head.moveTo(1.0, 7.5);
    head.lineTo(6.5, 2.5);
    head.lineTo(7.0, 10.0);
    head.closeSubpath();
    p.setPen(hairline(QColor(0x15, 0x48, 0x98), 0.8));
    p.setBrush(litFromTopLeft(head.boundingRect(), QColor(0x6F, 0xAE, 0xEE), QColor(0x1E, 0x5F, 0xC0)));
    p.drawPath(head);
}

void smallFind(QPainter& p) {
    p.setPen(QPen(QColor(0x6E, 0x45, 0x17), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(14, 14));
    QRadialGradient lens(5.5, 5.0, 6);
    lens.setColorAt(0, QColor(0xF0, 0xF8, 0xFF));
    lens.setColorAt(1, QColor(0x9C, 0xC8, 0xEE));
    p.setPen(QPen(QColor(0x44, 0x4C, 0x58), 1.4));
    p.setBrush(lens);
    p.drawEllipse(QPointF(6.5, 6.5), 4.6, 4.6);
}

void smallDelete(QPainter& p) {
    QPainterPath cross;
    QPainterPathStroker stroker;
    stroker.setWidth(3.2);
    stroker.setCapStyle(Qt::RoundCap);
    QPainterPath lines;
    lines.moveTo(3.5, 3.5);
    lines.lineTo(12.5, 12.5);
    lines.moveTo(12.5, 3.5);
    lines.lineTo(3.5, 12.5);
    cross = stroker.createStroke(lines).simplified();
    shadowOf(p, cross, 0.7, 0.8, 60);
    p.setPen(hairline(QColor(0x8C, 0x10, 0x10), 0.8));
    p.setBrush(litFromTopLeft(cross.boundingRect(), QColor(0xFF, 0x6A, 0x5A), QColor(0xC8, 0x1A, 0x1A)));
    p.drawPath(cross);
}

// 朗读: a loudspeaker with two waves of sound; while it reads, a red stop mark over the waves.
void smallSpeakerBody(QPainter& p) {
    QPainterPath body;
    body.moveTo(1.5, 5.5);
    body.lineTo(4.5, 5.5);
    body.lineTo(8.5, 1.5);
    body.lineTo(8.5, 14.5);
    body.lineTo(4.5, 10.5);
    body.lineTo(1.5, 10.5);
    body.closeSubpath();
    shadowOf(p, body, 0.7, 0.7, 50);
    p.setPen(hairline(QColor(0x2C, 0x36, 0x44), 0.9));
    p.setBrush(litFromTopLeft(body.boundingRect(), QColor(0xB8, 0xC6, 0xD8), QColor(0x4A, 0x5C, 0x74)));
    p.drawPath(body);
}

void smallReadAloud(QPainter& p) {
    smallSpeakerBody(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(0x1E, 0x5F, 0xC0), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(6.5, 4.5, 6, 7), -50 * 16, 100 * 16);
    p.setPen(QPen(QColor(0x4F, 0x8E, 0xDE), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(5.0, 1.5, 10, 13), -50 * 16, 100 * 16);
}

void smallStopReading(QPainter& p) {
    smallSpeakerBody(p);
    const QRectF mark(9.5, 5.0, 6, 6);
    p.setPen(hairline(QColor(0x8C, 0x10, 0x10), 0.8));
    p.setBrush(litFromTopLeft(mark, QColor(0xFF, 0x6A, 0x5A), QColor(0xC8, 0x1A, 0x1A)));
    p.drawRoundedRect(mark, 1.2, 1.2);
}

// 导出: a ruled page with a green arrow leaving it to the right.
void smallExport(QPainter& p) {
    smallPage(p, QRectF(1.5, 0.5, 9, 14), QColor(0xB8, 0xB8, 0xB8));
    QPainterPath arrow;
    arrow.moveTo(6.0, 8.0);
    arrow.lineTo(11.0, 8.0);
    arrow.lineTo(11.0, 5.0);
    arrow.lineTo(15.5, 9.5);
    arrow.lineTo(11.0, 14.0);
    arrow.lineTo(11.0, 11.0);
    arrow.lineTo(6.0, 11.0);
    arrow.closeSubpath();
    shadowOf(p, arrow, 0.6, 0.6, 60);
    p.setPen(hairline(QColor(0x1F, 0x5E, 0x22), 0.8));
    p.setBrush(litFromTopLeft(arrow.boundingRect(), QColor(0x8C, 0xDA, 0x78), QColor(0x2E, 0x8A, 0x30)));
    p.drawPath(arrow);
}

// ---------------------------------------------------------------------------------------------
// Window icon: a hanging scroll of Tang verse with a red seal, and a writing brush across it.

// Columns of verse read top to bottom, right to left: short ink strokes with gaps between
// characters.
void verseColumns(QPainter& p, const QList<qreal>& columns, qreal top, qreal bottom, qreal glyph, qreal gap, qreal width) {
    p.setPen(QPen(QColor(0x2A, 0x26, 0x22), width, Qt::SolidLine, Qt::FlatCap));
    for (qreal x : columns) {
        for (qreal y = top; y + glyph <= bottom; y += glyph + gap) p.drawLine(QPointF(x, y), QPointF(x, y + glyph));
    }
}

void scrollIcon(QPainter& p) {
    QRectF paper(6.5, 4.5, 19, 23);
    QPainterPath sheet;
    sheet.addRect(paper);
    shadowOf(p, sheet, 1, 1, 60);
    p.setPen(hairline(QColor(0x9A, 0x80, 0x52)));
    p.setBrush(litFromTopLeft(paper, QColor(0xFF, 0xF8, 0xE6), QColor(0xEA, 0xD4, 0xA2)));
    p.drawRect(paper);
    for (qreal y : {2.5, 26.5}) {
        QRectF roller(4.5, y, 23, 3);
        p.setPen(hairline(QColor(0x4A, 0x22, 0x0C)));
        p.setBrush(vertical(roller, QColor(0xC0, 0x72, 0x3C), QColor(0x6A, 0x30, 0x12)));
        p.drawRoundedRect(roller, 1.5, 1.5);
    }
    verseColumns(p, {22.5, 19.5, 16.5}, 8, 24, 2, 1, 1.0);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0x1E, 0x1E));
    p.drawRect(QRectF(9, 19, 3.5, 3.5));
}

void brushAcross(QPainter& p) {
    QTransform along;
    along.translate(29, 4);
    along.rotate(40);
    QPainterPath handle;
    handle.addRoundedRect(QRectF(-1.6, 0, 3.2, 16), 1.2, 1.2);
    QPainterPath tip;
    tip.moveTo(-1.9, 16);
    tip.cubicTo(-2.2, 20, -0.6, 23, 0, 25.5);
    tip.cubicTo(0.6, 23, 2.2, 20, 1.9, 16);
    tip.closeSubpath();
    QPainterPath h = along.map(handle), t = along.map(tip);
    shadowOf(p, h.united(t), 1, 1, 70);
    p.setPen(hairline(QColor(0x5A, 0x3C, 0x10), 0.8));
    p.setBrush(litFromTopLeft(h.boundingRect(), QColor(0xEC, 0xCE, 0x74), QColor(0x9E, 0x72, 0x22)));
    p.drawPath(h);
    p.setPen(hairline(QColor(0x10, 0x10, 0x10), 0.6));
    p.setBrush(litFromTopLeft(t.boundingRect(), QColor(0x5A, 0x5A, 0x5A), QColor(0x08, 0x08, 0x08)));
    p.drawPath(t);
    p.setPen(QPen(QColor(0x9A, 0x1A, 0x1A), 1.4));
    p.drawLine(along.map(QPointF(-1.8, 15.2)), along.map(QPointF(1.8, 15.2)));
}

void windowIcon(QPainter& p) {
    scrollIcon(p);
    brushAcross(p);
}

// At 16 pixels the brush would only clutter: the scroll alone, with bolder strokes.
void smallWindowIcon(QPainter& p) {
    QRectF paper(3.5, 2.5, 9, 11);
    p.setPen(hairline(QColor(0x9A, 0x80, 0x52)));
    p.setBrush(litFromTopLeft(paper, QColor(0xFF, 0xF8, 0xE6), QColor(0xEA, 0xD4, 0xA2)));
    p.drawRect(paper);
    // Pixel art: whole design pixels, so the 2x and 3x icons keep the same crisp strokes.
    for (int y : {1, 13}) p.fillRect(QRect(2, y, 12, 2), QColor(0x4A, 0x22, 0x0C));
    for (int x : {10, 7}) {
        for (int y : {4, 7, 10}) p.fillRect(QRect(x, y, 1, 2), QColor(0x2A, 0x26, 0x22));
    }
    p.fillRect(QRect(4, 10, 2, 2), QColor(0xC8, 0x1E, 0x1E));
}

// ---------------------------------------------------------------------------------------------
// Reading window view modes (16 x 16, alpha)

// A letter sheet with vermilion column rules and columns of ink, read right to left.
void smallVerticalSheet(QPainter& p) {
    QRectF paper(1.5, 0.5, 13, 15);
    QPainterPath sheet;
    sheet.addRect(paper);
    shadowOf(p, sheet, 0.7, 0.7, 50);
    p.setPen(hairline(QColor(0x9A, 0x80, 0x52)));
    p.setBrush(litFromTopLeft(paper, QColor(0xFF, 0xFB, 0xF0), QColor(0xF0, 0xE0, 0xBC)));
    p.drawRect(paper);
    // The rules and the ink are pixel art: whole design pixels at every density.
    const QColor rule(0xE0, 0x84, 0x70), ink(0x2A, 0x26, 0x22);
    for (int x : {4, 8, 12}) p.fillRect(QRect(x, 2, 1, 12), rule);
    for (int y : {2, 13}) p.fillRect(QRect(4, y, 9, 1), rule);
    for (int y : {4, 7, 10}) p.fillRect(QRect(10, y, 1, 2), ink);
    for (int y : {4, 7}) p.fillRect(QRect(6, y, 1, 2), ink);
}

// A paper tile for a character of the text, as the view modes' buttons show it.
void paperTile(QPainter& p) {
    QRectF tile(0.5, 0.5, 15, 15);
    p.setPen(hairline(QColor(0x9A, 0x80, 0x52)));
    p.setBrush(litFromTopLeft(tile, QColor(0xFF, 0xFB, 0xF0), QColor(0xF0, 0xE0, 0xBC)));
    p.drawRoundedRect(tile, 2, 2);
}

void inkCharacter(QPainter& p, const QRectF& box, int pixelSize, const QString& character) {
    QFont face(QStringLiteral("WenQuanYi Zen Hei"));
    face.setPixelSize(pixelSize);
    face.setStyleStrategy(QFont::PreferAntialias);
    p.setFont(face);
    p.setPen(QColor(0x1E, 0x1A, 0x16));
    p.drawText(box, Qt::AlignCenter, character);
}

// The traditional form of "fan" in ink on a paper tile, with a vermilion seal corner.
void smallTraditional(QPainter& p) {
    paperTile(p);
    inkCharacter(p, QRectF(0, 0, 16, 16), 14, QString::fromUtf8("\u7E41"));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xC8, 0x1E, 0x1E));
    QPainterPath corner;
    corner.moveTo(12.5, 15.5);
    corner.lineTo(15.5, 15.5);
    corner.lineTo(15.5, 12.5);
    corner.closeSubpath();
    p.drawPath(corner);
}

// "pin" in ink on a paper tile, a vermilion tone mark written over it as the syllables are.
void smallPinyin(QPainter& p) {
    paperTile(p);
    inkCharacter(p, QRectF(0, 4, 16, 12), 11, QString::fromUtf8("\u62FC"));
    // Pixel art: a crisp first-tone bar at every density.
    p.fillRect(QRect(4, 2, 8, 2), QColor(0xC8, 0x1E, 0x1E));
}

// The desktop's icon theme wants the program icon at several sizes and as a scalable picture. The
// 32-pixel design is drawn scaled up (it holds enough detail) and recorded once more as SVG.
void desktopIcons(const QString& hicolorDir) {
    for (int size : {48, 128, 256}) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(hicolorDir).arg(size);
        QDir().mkpath(dir);
        savePng(render(size, size, [size](QPainter& p) {
                    p.scale(size / 32.0, size / 32.0);
                    windowIcon(p);
                }, 1),
                dir + "/veyrin.png");
    }
    const QString scalable = hicolorDir + "/scalable/apps";
    QDir().mkpath(scalable);
    SvgRecorder svg(32, 32);
    QPainter p(&svg);
    windowIcon(p);
    p.end();
    QFile file(scalable + "/veyrin.svg");
    const QByteArray bytes = svg.document().toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

// Every picture of the program at the current density.
void drawAll() {
    buttonPicture("back.bmp", 27, 28, 24, [](QPainter& p) { roundArrowButton(p, true); });
    buttonPicture("forward.bmp", 27, 28, 24, [](QPainter& p) { roundArrowButton(p, false); });
    buttonPicture("cut.bmp", 32, 32, 32, scissors);
    buttonPicture("copy.bmp", 32, 32, 32, twoPages);
    buttonPicture("paste.bmp", 32, 32, 32, clipboard);
    buttonPicture("font.bmp", 32, 32, 32, fontFolder);
    buttonPicture("text_color.bmp", 32, 34, 24, paletteCard);
    buttonPicture("back_color.bmp", 31, 32, 24, paintedPage);
    buttonPicture("about.bmp", 31, 32, 24, globe);

    arrowGlyph("flatup.bmp", true);
    arrowGlyph("flatdown.bmp", false);

    pngPicture("toolbar_cut.png", 16, 16, smallScissors);
    pngPicture("toolbar_copy.png", 16, 16, smallCopy);
    pngPicture("toolbar_paste.png", 16, 16, smallPaste);
    pngPicture("toolbar_undo.png", 16, 16, smallUndo);
    pngPicture("toolbar_find.png", 16, 16, smallFind);
    pngPicture("toolbar_delete.png", 16, 16, smallDelete);
    pngPicture("toolbar_vertical.png", 16, 16, smallVerticalSheet);
    pngPicture("toolbar_traditional.png", 16, 16, smallTraditional);
    pngPicture("toolbar_read_aloud.png", 16, 16, smallReadAloud);
    pngPicture("toolbar_stop_reading.png", 16, 16, smallStopReading);
    pngPicture("toolbar_export.png", 16, 16, smallExport);
    pngPicture("toolbar_pinyin.png", 16, 16, smallPinyin);

    pngPicture("veyrin_32.png", 32, 32, windowIcon);
    pngPicture("veyrin_16.png", 16, 16, smallWindowIcon);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: picture_artwork OUTPUT_DIR HICOLOR_ICON_DIR\n");
        return 2;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);

    for (density = 1; density <= 3; ++density) drawAll();
    desktopIcons(QString::fromLocal8Bit(argv[2]));
    return 0;
}

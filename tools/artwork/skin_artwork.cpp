// Draws the window skin: the frame picture and its shape mask, the six active pictures (caption
// button looks, popup menu window, menu items, hint window, control sheet and its mask) and
// writes skin.ini beside them. Run by make_skin.sh; the output is committed under resources/skin/
// and packed into the program by the skin package builder.
//
// The look is ink on rice paper: an ivory caption bar that pales towards the top, a fine dark ink
// outline, a vermilion seal for the system menu and for the close button under the mouse, celadon
// for the other buttons under the mouse. Light comes from the top: highlights on upper and left
// edges, shade on lower and right ones.
//
// The frame blends a caption button's normal look (in the frame picture) into its hot look (in
// active picture 0) pixel by pixel, so both are drawn on the same crop of the caption bar.
//
// Every bitmap is drawn at 1x, 2x and 3x (NAME.bmp, NAME@2x.bmp, NAME@3x.bmp) from the same
// drawing code: the canvas carries the density as its device pixel ratio and skin.ini's
// rectangles, in design pixels, cut the same pieces from each at density times the coordinates.
// The outline and the masks follow the true rounded shape at each density; the outline and its
// bevel stay one design pixel wide.

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

#include "bmp_file.h"
#include "skin_ini.h"
#include "skin_layout.h"
#include "skin_preview.h"

namespace {

using namespace skinart;

QString outputDir;
int density = 1;  // device pixels a design pixel for the pictures being drawn

// ---------------------------------------------------------------------------------------------
// Palette

const QColor kInk(0x2E, 0x28, 0x22);          // outlines
const QColor kInkLine(0x5E, 0x53, 0x48);      // the line around the client area, above and left
const QColor kInkLineLit(0xA0, 0x91, 0x77);   // the same line below and right, where light falls
const QColor kGlyph(0x3A, 0x32, 0x2B);        // button glyphs
const QColor kPaper(0xF8, 0xF3, 0xE6);
// The client background is tiled from the frame picture; it is the windows' own colour, so labels
// and controls that fill themselves with that colour sit on it without a seam.
const QColor kClientFace(0xE1, 0xE1, 0xE1);
const QColor kCaptionTop(0xFD, 0xFA, 0xF2);
const QColor kCaptionBottom(0xE9, 0xDE, 0xC6);
const QColor kBorder(0xE9, 0xDE, 0xC6);
const QColor kHighlight(0xFF, 0xFE, 0xFA);
const QColor kShade(0xC8, 0xB8, 0x98);
const QColor kFaceTop(0xFF, 0xFD, 0xF7);
const QColor kFaceBottom(0xF1, 0xE8, 0xD5);
const QColor kFaceEdge(0xC9, 0xBA, 0x9C);
const QColor kCeladonTop(0x8C, 0xAC, 0x9D);
const QColor kCeladonBottom(0x56, 0x79, 0x6A);
const QColor kCeladonEdge(0x3C, 0x58, 0x4C);
const QColor kSealTop(0xD4, 0x5E, 0x44);
const QColor kSealBottom(0xA6, 0x33, 0x20);
const QColor kSealEdge(0x74, 0x1F, 0x13);
const QColor kOnTile(0xFF, 0xFB, 0xF2);       // glyphs on coloured tiles
const QColor kMenuPaper(0xFB, 0xF8, 0xF0);
const QColor kMenuBand(0xDD, 0xE8, 0xE0);
const QColor kMenuBandEdge(0xC2, 0xD2, 0xC6);
const QColor kHintPaper(0xFF, 0xFA, 0xEA);
const QColor kDisabled(0xBF, 0xB4, 0xA2);

// ---------------------------------------------------------------------------------------------
// Canvas and output

QImage canvas(int width, int height, const QColor& fill) {
    QImage image(width * density, height * density, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density);
    image.fill(fill);
    return image;
}

QRect qrect(const Box& b) { return {b.left, b.top, b.width(), b.height()}; }

// A rectangle whose 1-pixel outline, drawn with a 1-pixel pen, lands exactly on the box's edge.
QRectF edgeRect(const Box& b) { return QRectF(b.left + 0.5, b.top + 0.5, b.width() - 1, b.height() - 1); }

void paint(QImage& image, const std::function<void(QPainter&)>& draw) {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    draw(p);
}

void save(const QImage& image, int bitsPerPixel, std::string_view name) {
    QString fileName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
    if (density > 1) fileName.insert(fileName.lastIndexOf('.'), QStringLiteral("@%1x").arg(density));
    const QString path = outputDir + "/" + fileName;
    const QByteArray bytes = artwork::bmpFileBytes(image, bitsPerPixel);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::exit(1);
    }
}

void save24(const QImage& image, std::string_view name) { save(image, 24, name); }

// Black (index 0) where `inside` holds, white elsewhere.
QImage monoMask(int width, int height, const std::function<bool(int, int)>& inside) {
    QImage mask(width, height, QImage::Format_Mono);
    mask.fill(0);
    mask.setColorTable({qRgb(0, 0, 0), qRgb(255, 255, 255)});
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) mask.setPixel(x, y, inside(x, y) ? 0 : 1);
    }
    return mask;
}

// Median cut over the picture's colours, weighted by how often each occurs.
struct ColourCount {
    QRgb colour;
    int count;
};

int channel(QRgb c, int which) { return which == 0 ? qRed(c) : which == 1 ? qGreen(c) : qBlue(c); }

QRgb averageColour(const std::vector<ColourCount>& box) {
    double sum[3] = {0, 0, 0};
    double total = 0;
    for (const ColourCount& cc : box) {
        for (int k = 0; k < 3; ++k) sum[k] += channel(cc.colour, k) * double(cc.count);
        total += cc.count;
    }
    return qRgb(int(std::lround(sum[0] / total)), int(std::lround(sum[1] / total)), int(std::lround(sum[2] / total)));
}

// The widest channel of a box and its range.
std::pair<int, int> widestChannel(const std::vector<ColourCount>& box) {
    int best = 0, bestRange = -1;
    for (int k = 0; k < 3; ++k) {
        auto [lo, hi] = std::minmax_element(box.begin(), box.end(), [k](const ColourCount& a, const ColourCount& b) {
            return channel(a.colour, k) < channel(b.colour, k);
        });
        int range = channel(hi->colour, k) - channel(lo->colour, k);
        if (range > bestRange) best = k, bestRange = range;
    }
    return {best, bestRange};
}

QVector<QRgb> medianCut(std::vector<ColourCount> colours, int size) {
    std::vector<std::vector<ColourCount>> boxes{std::move(colours)};
    while (int(boxes.size()) < size) {
        int pick = -1, pickRange = 0;
        for (int i = 0; i < int(boxes.size()); ++i) {
            if (boxes[i].size() < 2) continue;
            int range = widestChannel(boxes[i]).second;
            if (range > pickRange) pick = i, pickRange = range;
        }
        if (pick < 0) break;
        std::vector<ColourCount>& box = boxes[pick];
        int k = widestChannel(box).first;
        std::sort(box.begin(), box.end(),
                  [k](const ColourCount& a, const ColourCount& b) { return channel(a.colour, k) < channel(b.colour, k); });
        long total = 0, half = 0;
        for (const ColourCount& cc : box) total += cc.count;
        std::size_t cut = 1;
        for (; cut < box.size() - 1; ++cut) {
            half += box[cut - 1].count;
            if (half * 2 >= total) break;
        }
        std::vector<ColourCount> upper(box.begin() + long(cut), box.end());
        box.resize(cut);
        boxes.push_back(std::move(upper));
    }
    QVector<QRgb> palette;
    for (const auto& box : boxes) palette.push_back(averageColour(box));
    return palette;
}

int nearestIndex(const QVector<QRgb>& palette, QRgb c) {
    int best = 0;
    long bestDistance = -1;
    for (int i = 0; i < palette.size(); ++i) {
        long dr = qRed(c) - qRed(palette[i]), dg = qGreen(c) - qGreen(palette[i]), db = qBlue(c) - qBlue(palette[i]);
        long d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
        if (bestDistance < 0 || d < bestDistance) best = i, bestDistance = d;
    }
    return best;
}

// An 8-bit picture: exact colours when there are at most 256, else a median-cut palette, padded
// to the full 256 entries an 8-bit file's palette usually has.
QImage indexed8(const QImage& source) {
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) ++counts[rgb.pixel(x, y) | 0xFF000000u];
    }
    std::vector<ColourCount> colours;
    colours.reserve(counts.size());
    for (auto [colour, count] : counts) colours.push_back({colour, count});
    QVector<QRgb> palette = medianCut(colours, 256);
    const int used = int(palette.size());
    while (palette.size() < 256) palette.push_back(qRgb(0, 0, 0));
    QImage out(rgb.size(), QImage::Format_Indexed8);
    out.setColorTable(palette);
    std::map<QRgb, int> lookup;
    for (int y = 0; y < rgb.height(); ++y) {
        for (int x = 0; x < rgb.width(); ++x) {
            QRgb c = rgb.pixel(x, y) | 0xFF000000u;
            auto it = lookup.find(c);
            if (it == lookup.end()) it = lookup.emplace(c, nearestIndex(palette.mid(0, used), c)).first;
            out.setPixel(x, y, uint(it->second));
        }
    }
    return out;
}

void save8(const QImage& image, std::string_view name) { save(indexed8(image), 8, name); }

// ---------------------------------------------------------------------------------------------
// Shared drawing

QLinearGradient vertical(const QRectF& r, const QColor& top, const QColor& bottom) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    return g;
}

QPen pen(const QColor& c, qreal width = 1.0) {
    QPen p(c, width);
    p.setCapStyle(Qt::FlatCap);
    p.setJoinStyle(Qt::MiterJoin);
    return p;
}

QPen roundPen(const QColor& c, qreal width) {
    QPen p(c, width);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

// A rounded tile with a 1-pixel edge on the box's outer pixels and a 1-pixel light line inside
// its top.
void tile(QPainter& p, const Box& box, const QColor& top, const QColor& bottom, const QColor& edge, qreal radius,
          const QColor& gloss = QColor()) {
    const QRectF r = edgeRect(box);
    p.setPen(pen(edge));
    p.setBrush(vertical(r, top, bottom));
    p.drawRoundedRect(r, radius, radius);
    if (gloss.isValid()) {
        p.setPen(pen(gloss));
        p.drawLine(QPointF(box.left + radius, box.top + 1.5), QPointF(box.right - radius, box.top + 1.5));
    }
}

// A 1-pixel frame on the box's outer pixels, square corners and all four corner pixels full.
void inkFrame(QPainter& p, const Box& b, const QColor& colour) {
    p.fillRect(QRect(b.left, b.top, b.width(), 1), colour);
    p.fillRect(QRect(b.left, b.bottom - 1, b.width(), 1), colour);
    p.fillRect(QRect(b.left, b.top, 1, b.height()), colour);
    p.fillRect(QRect(b.right - 1, b.top, 1, b.height()), colour);
}

// Bevelled rectangle: a light top-left and dark bottom-right line just inside the outline.
void bevel(QPainter& p, const Box& box, const QColor& light, const QColor& dark) {
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(light));
    p.drawLine(QPointF(box.left + 1, box.top + 1.5), QPointF(box.right - 1, box.top + 1.5));
    p.drawLine(QPointF(box.left + 1.5, box.top + 1), QPointF(box.left + 1.5, box.bottom - 1));
    p.setPen(pen(dark));
    p.drawLine(QPointF(box.left + 1, box.bottom - 1.5), QPointF(box.right - 1, box.bottom - 1.5));
    p.drawLine(QPointF(box.right - 1.5, box.top + 1), QPointF(box.right - 1.5, box.bottom - 1));
}

void arrowHead(QPainter& p, QPointF c, Direction d, qreal size, const QColor& colour) {
    QPolygonF tri;
    const qreal h = size / 2;
    switch (d) {
    case Direction::Up: tri << QPointF(c.x() - size, c.y() + h) << QPointF(c.x() + size, c.y() + h) << QPointF(c.x(), c.y() - h); break;
    case Direction::Down: tri << QPointF(c.x() - size, c.y() - h) << QPointF(c.x() + size, c.y() - h) << QPointF(c.x(), c.y() + h); break;
    case Direction::Left: tri << QPointF(c.x() + h, c.y() - size) << QPointF(c.x() + h, c.y() + size) << QPointF(c.x() - h, c.y()); break;
    case Direction::Right: tri << QPointF(c.x() - h, c.y() - size) << QPointF(c.x() - h, c.y() + size) << QPointF(c.x() + h, c.y()); break;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(tri);
}

// ---------------------------------------------------------------------------------------------
// Caption button glyphs, centred on c

void closeGlyph(QPainter& p, QPointF c, const QColor& ink) {
    p.setPen(roundPen(ink, 1.7));
    const qreal s = 3.6;
    p.drawLine(QPointF(c.x() - s, c.y() - s), QPointF(c.x() + s, c.y() + s));
    p.drawLine(QPointF(c.x() + s, c.y() - s), QPointF(c.x() - s, c.y() + s));
}

void minimizeGlyph(QPainter& p, QPointF c, const QColor& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(std::floor(c.x()) - 4, std::floor(c.y()) + 2, 9, 2));
}

void maximizeGlyph(QPainter& p, QPointF c, const QColor& ink) {
    const QRectF box(std::floor(c.x()) - 4 + 0.5, std::floor(c.y()) - 4 + 0.5, 8, 8);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(ink));
    p.drawRect(box);
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(box.left() - 0.5, box.top() - 0.5, 9, 2));
}

// A chevron over a bar: the window folds up under its caption.
void rollUpGlyph(QPainter& p, QPointF c, const QColor& ink) {
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(std::floor(c.x()) - 4, std::floor(c.y()) - 4, 9, 2));
    p.setPen(roundPen(ink, 1.6));
    p.setBrush(Qt::NoBrush);
    p.drawPolyline(QPolygonF{QPointF(c.x() - 3.5, c.y() + 3.5), QPointF(c.x() + 0.5, c.y() - 0.5), QPointF(c.x() + 4.5, c.y() + 3.5)});
}

// An arrow running down into a small tray in the lower right corner: the window goes to the tray.
void trayGlyph(QPainter& p, QPointF c, const QColor& ink) {
    const qreal x = std::floor(c.x()), y = std::floor(c.y());
    p.setPen(Qt::NoPen);
    p.setBrush(ink);
    p.drawRect(QRectF(x - 4, y + 3, 9, 2));  // the tray
    p.setPen(roundPen(ink, 1.6));
    p.drawLine(QPointF(x - 3, y - 4), QPointF(x + 1.2, y + 0.2));
    p.setPen(Qt::NoPen);
    p.drawPolygon(QPolygonF{QPointF(x + 3, y + 2), QPointF(x - 2, y + 2), QPointF(x + 3, y - 3)});
}

// A small seal: a square of vermilion with pale strokes, the program's chop.
void sealGlyph(QPainter& p, QPointF c, bool onSeal) {
    const qreal x = std::floor(c.x()) - 5, y = std::floor(c.y()) - 5;
    const Box box{int(x), int(y), int(x) + 11, int(y) + 11};
    const QColor body = onSeal ? kOnTile : kSealBottom;
    const QColor strokes = onSeal ? kSealBottom : kOnTile;
    tile(p, box, onSeal ? kOnTile : kSealTop, body, onSeal ? kOnTile : kSealEdge, 1.5);
    p.setPen(pen(strokes));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(x + 2.5, y + 2.5, 6, 6));
    p.drawLine(QPointF(x + 3, y + 5.5), QPointF(x + 8, y + 5.5));
    p.drawLine(QPointF(x + 5.5, y + 3), QPointF(x + 5.5, y + 8));
}

void glyph(QPainter& p, Glyph g, QPointF c, const QColor& ink, bool onTile) {
    switch (g) {
    case Glyph::Close: closeGlyph(p, c, ink); break;
    case Glyph::Minimize: minimizeGlyph(p, c, ink); break;
    case Glyph::Maximize: maximizeGlyph(p, c, ink); break;
    case Glyph::RollUp: rollUpGlyph(p, c, ink); break;
    case Glyph::Tray: trayGlyph(p, c, ink); break;
    case Glyph::SystemMenu: sealGlyph(p, c, onTile); break;
    }
}

// ---------------------------------------------------------------------------------------------
// Caption buttons

enum class Face { Normal, Hot, Disabled };

// Draws a caption button of `size` at the origin: normal is a pale tile with an ink glyph; hot
// is a celadon tile, or a vermilion one for close, with a pale glyph; disabled is a faint empty
// tile.
void captionButtonFace(QPainter& p, QSize size, Glyph g, Face face) {
    const Box tileBox{1, 1, size.width() - 1, size.height() - 1};
    const QPointF centre(size.width() / 2.0, size.height() / 2.0);
    switch (face) {
    case Face::Normal:
        tile(p, tileBox, kFaceTop, kFaceBottom, kFaceEdge, 3, kHighlight);
        glyph(p, g, centre, kGlyph, false);
        break;
    case Face::Hot: {
        bool seal = g == Glyph::Close;
        tile(p, tileBox, seal ? kSealTop : kCeladonTop, seal ? kSealBottom : kCeladonBottom,
             seal ? kSealEdge : kCeladonEdge, 3, QColor(255, 255, 255, 70));
        glyph(p, g, centre, kOnTile, true);
        break;
    }
    case Face::Disabled:
        tile(p, tileBox, QColor(0xFA, 0xF6, 0xEC), QColor(0xF0, 0xE8, 0xD8), QColor(0xDA, 0xCF, 0xBA), 3);
        p.setPen(Qt::NoPen);
        p.setBrush(kDisabled);
        p.drawEllipse(centre, 1.5, 1.5);
        break;
    }
}

// A look of the button drawn on the caption bar crop it stands on.
QImage captionButtonLook(const QImage& frameBackground, const Box& at, Glyph g, Face face) {
    const QRect r = qrect(at);
    QImage look = frameBackground.copy(QRect(r.topLeft() * density, r.size() * density));
    look.setDevicePixelRatio(density);
    paint(look, [&](QPainter& p) { captionButtonFace(p, r.size(), g, face); });
    return look;
}

// ---------------------------------------------------------------------------------------------
// Frame picture and mask

// Inside the window's outline: the picture's rectangle with rounded corners. Coordinates are
// device pixels of the picture at the current density.
bool insideShape(int x, int y) {
    auto outsideCorner = [](int px, int py, int radius) {
        if (px >= radius || py >= radius) return false;
        double dx = px + 0.5 - radius, dy = py + 0.5 - radius;
        return dx * dx + dy * dy > double(radius) * radius;
    };
    const int top = kTopCornerRadius * density, bottom = kBottomCornerRadius * density;
    const int rx = kFrameWidth * density - 1 - x, by = kFrameHeight * density - 1 - y;
    return !(outsideCorner(x, y, top) || outsideCorner(rx, y, top) || outsideCorner(x, by, bottom) ||
             outsideCorner(rx, by, bottom));
}

bool insideAt(int x, int y) {
    return x >= 0 && y >= 0 && x < kFrameWidth * density && y < kFrameHeight * density && insideShape(x, y);
}

// Within one design pixel of the outside: the outline is a design pixel wide at every density.
bool onOutline(int x, int y) {
    if (!insideAt(x, y)) return false;
    for (int d = 1; d <= density; ++d) {
        if (!insideAt(x - d, y) || !insideAt(x + d, y) || !insideAt(x, y - d) || !insideAt(x, y + d)) return true;
    }
    return false;
}

// A pixel within one design pixel of the outline, seen from the side (dx, dy) points to.
bool besideOutline(int x, int y, int dx, int dy) {
    for (int d = 1; d <= density; ++d) {
        if (onOutline(x + d * dx, y) || onOutline(x, y + d * dy)) return true;
    }
    return false;
}

// The outline in ink and, just inside it, a highlight facing up and left and a shade facing down
// and right.
void outlineAndBevel(QImage& image) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (!insideShape(x, y)) {
                image.setPixelColor(x, y, kInk);  // never shown: the mask cuts it away
            } else if (onOutline(x, y)) {
                image.setPixelColor(x, y, kInk);
            } else if (besideOutline(x, y, -1, -1)) {
                image.setPixelColor(x, y, kHighlight);
            } else if (besideOutline(x, y, 1, 1)) {
                image.setPixelColor(x, y, kShade);
            }
        }
    }
}

// The frame without its buttons: caption bar, borders, the sunken edge around the client area
// and the outline.
QImage frameBackground() {
    QImage image = canvas(kFrameWidth, kFrameHeight, kBorder);
    paint(image, [](QPainter& p) {
        const QRectF bar(0, 0, kFrameWidth, kCaptionBarBottom);
        p.fillRect(bar, vertical(bar, kCaptionTop, kCaptionBottom));
        p.fillRect(qrect(kClientRect), kClientFace);
        // The client area lies a step below the border: shade above and left, light below and right.
        const Box edge{kClientRect.left - 1, kClientRect.top - 1, kClientRect.right + 1, kClientRect.bottom + 1};
        inkFrame(p, edge, kInkLineLit);
        p.fillRect(QRect(edge.left, edge.top, edge.width(), 1), kInkLine);
        p.fillRect(QRect(edge.left, edge.top, 1, edge.height()), kInkLine);
        const Box outer = edge.inset(-1);
        bevel(p, outer.inset(-1), kShade, kHighlight);
    });
    outlineAndBevel(image);
    return image;
}

QImage framePicture(const QImage& background) {
    QImage image = background;
    paint(image, [&](QPainter& p) {
        for (const CaptionButton& b : kCaptionButtons) {
            p.drawImage(b.normal.left, b.normal.top, captionButtonLook(background, b.normal, b.glyph, Face::Normal));
        }
    });
    return image;
}

// ---------------------------------------------------------------------------------------------
// Active picture 0: hot and disabled caption buttons, menu bar buttons

void menuBarButton(QPainter& p, MenuBarButton button, int state) {
    const Box box = menuBarButtonBox(button, state);
    if (state == 0) {
        tile(p, box, kFaceTop, kFaceBottom, kFaceEdge, 2);
    } else {
        tile(p, box, state == 1 ? kCeladonTop : kCeladonBottom, state == 1 ? kCeladonBottom : kCeladonTop, kCeladonEdge, 2);
    }
    const QColor ink = state == 0 ? kGlyph : kOnTile;
    const QPointF c(box.left + box.width() / 2.0, box.top + box.height() / 2.0);
    switch (button) {
    case MenuBarButton::SystemMenu: sealGlyph(p, c, state != 0); break;
    case MenuBarButton::Close: closeGlyph(p, c, ink); break;
    case MenuBarButton::Maximize: maximizeGlyph(p, c, ink); break;
    case MenuBarButton::Minimize: minimizeGlyph(p, c, ink); break;
    }
}

QImage buttonsPicture(const QImage& background) {
    const PictureSize size = kActivePictures[0];
    QImage image = canvas(size.width, size.height, kBorder);
    paint(image, [&](QPainter& p) {
        for (const CaptionButton& b : kCaptionButtons) {
            p.drawImage(b.hot.left, b.hot.top, captionButtonLook(background, b.normal, b.glyph, Face::Hot));
        }
        // Every disabled button shows this look wherever it stands; the caption bar is the same
        // across its whole width, so any button's crop serves.
        const Box at = kCaptionButtons[1].normal;
        p.drawImage(kDisabledButton.left, kDisabledButton.top, captionButtonLook(background, at, Glyph::Close, Face::Disabled));
        for (MenuBarButton m : {MenuBarButton::SystemMenu, MenuBarButton::Close, MenuBarButton::Maximize, MenuBarButton::Minimize}) {
            for (int state = 0; state < 3; ++state) menuBarButton(p, m, state);
        }
    });
    return image;
}

// ---------------------------------------------------------------------------------------------
// Active pictures 1 to 3: popup menu window, menu items, hint window

// A flat sheet with a fine ink edge and a highlight along its inner top and left.
void paperSheet(QPainter& p, int width, int height, const QColor& fill) {
    const Box all{0, 0, width, height};
    p.fillRect(qrect(all), fill);
    inkFrame(p, all, kInk);
    p.setPen(pen(kHighlight));
    p.drawLine(QPointF(1, 1.5), QPointF(width - 1, 1.5));
    p.drawLine(QPointF(1.5, 1), QPointF(1.5, height - 1));
}

QImage popupPicture() {
    const PictureSize size = kActivePictures[1];
    QImage image = canvas(size.width, size.height, kMenuPaper);
    paint(image, [&](QPainter& p) {
        paperSheet(p, size.width, size.height, kMenuPaper);
        // A celadon band down the left edge, like the mounting of a hanging scroll.
        const QRectF band(2, 2, kPopupItemsRect.left - 3, size.height - 4);
        QLinearGradient g(band.topLeft(), band.topRight());
        g.setColorAt(0, kMenuBand.lighter(103));
        g.setColorAt(1, kMenuBand.darker(104));
        p.fillRect(band, g);
        p.setPen(pen(kMenuBandEdge));
        p.drawLine(QPointF(kPopupItemsRect.left - 0.5, 2), QPointF(kPopupItemsRect.left - 0.5, size.height - 2));
        // A small chop at the foot of the band, inside the fixed lower-left corner so it appears
        // once whatever the menu's height.
        const Box chop{3, kPopupLeftBottom.y, 10, kPopupLeftBottom.y + 7};
        p.fillRect(qrect(chop), kSealBottom);
        inkFrame(p, chop.inset(2), kMenuPaper);
    });
    return image;
}

QImage menuItemPicture() {
    const PictureSize size = kActivePictures[2];
    QImage image = canvas(size.width, size.height, kMenuPaper);
    paint(image, [](QPainter& p) {
        tile(p, kMenuItemActive, QColor(0x5E, 0x7D, 0x70), QColor(0x44, 0x62, 0x56), QColor(0x30, 0x47, 0x3D), 2,
             QColor(255, 255, 255, 45));
        // The divider: an ink hairline with a light line under it, across the text column.
        const int y = kMenuDivider.top + 2;
        p.setPen(pen(QColor(0xCF, 0xC4, 0xAE)));
        p.drawLine(QPointF(kMenuItemSideOffset, y + 0.5), QPointF(kMenuDivider.right - 2, y + 0.5));
        p.setPen(pen(kHighlight));
        p.drawLine(QPointF(kMenuItemSideOffset, y + 1.5), QPointF(kMenuDivider.right - 2, y + 1.5));
    });
    return image;
}

QImage hintPicture() {
    const PictureSize size = kActivePictures[3];
    QImage image = canvas(size.width, size.height, kHintPaper);
    paint(image, [&](QPainter& p) {
        paperSheet(p, size.width, size.height, kHintPaper);
        // A vermilion stroke at the left, a seal's edge. It is repeated downwards as the hint
        // grows, so it shades across, not along.
        const QRectF stroke(4, 4, 3, size.height - 8);
        QLinearGradient across(stroke.topLeft(), stroke.topRight());
        across.setColorAt(0, kSealTop);
        across.setColorAt(1, kSealBottom);
        p.setPen(Qt::NoPen);
        p.setBrush(across);
        p.drawRoundedRect(stroke, 1, 1);
    });
    return image;
}

// ---------------------------------------------------------------------------------------------
// Active picture 4: the control sheet

struct StateColours {
    QColor top, bottom, edge, ink;
};

StateColours stateColours(int state) {
    switch (state & 3) {
    case 1: return {kCeladonTop.lighter(125), kCeladonTop, kCeladonEdge, kGlyph};
    case 2: return {kCeladonBottom, kCeladonTop, kCeladonEdge, kOnTile};
    case 3: return {QColor(0xF7, 0xF2, 0xE7), QColor(0xEE, 0xE7, 0xD8), QColor(0xD8, 0xCE, 0xBA), kDisabled};
    default: return {kFaceTop, kFaceBottom, kFaceEdge, kGlyph};
    }
}

void frameCell(QPainter& p, const Cell& c) {
    const Box b = c.box;
    switch (c.look) {
    case Look::RaisedFrame:
        p.fillRect(qrect(b), kBorder);
        inkFrame(p, b, kFaceEdge);
        bevel(p, b, kHighlight, kShade);
        break;
    case Look::SunkenFrame:
        p.fillRect(qrect(b), Qt::white);
        inkFrame(p, b, kInkLine);
        bevel(p, b, kShade, QColor(0xF6, 0xF1, 0xE6));
        break;
    case Look::CaptionFrame: {
        p.fillRect(qrect(b), kBorder);
        const Box bar{b.left, b.top, b.right, b.top + 20};
        p.fillRect(qrect(bar), vertical(edgeRect(bar), kCeladonTop, kCeladonBottom));
        inkFrame(p, b, kCeladonEdge);
        break;
    }
    case Look::GroupFrame:
        p.fillRect(qrect(b), kPaper);
        p.setPen(pen(kFaceEdge));
        p.drawRoundedRect(edgeRect(b.inset(4)).adjusted(0, 4, 0, 0), 3, 3);
        break;
    case Look::TabPage:
        p.fillRect(qrect(b), kPaper);
        inkFrame(p, b, kFaceEdge);
        bevel(p, b, kHighlight, kBorder);
        break;
    case Look::GridFrame:
        p.fillRect(qrect(b), Qt::white);
        p.setPen(pen(QColor(0xDE, 0xD6, 0xC8)));
        for (int x = b.left + 16; x < b.right; x += 16) p.drawLine(QPointF(x + 0.5, b.top), QPointF(x + 0.5, b.bottom));
        for (int y = b.top + 16; y < b.bottom; y += 16) p.drawLine(QPointF(b.left, y + 0.5), QPointF(b.right, y + 0.5));
        inkFrame(p, b, kInkLine);
        break;
    case Look::BarFrame:
        p.fillRect(qrect(b), vertical(edgeRect(b), kCaptionTop, kCaptionBottom));
        p.setPen(pen(kShade));
        p.drawLine(QPointF(b.left, b.bottom - 0.5), QPointF(b.right, b.bottom - 0.5));
        p.setPen(pen(kHighlight));
        p.drawLine(QPointF(b.left, b.top + 0.5), QPointF(b.right, b.top + 0.5));
        break;
    case Look::EtchedFrame:
        p.fillRect(qrect(b), kBorder);
        inkFrame(p, b.inset(2), kShade);
        inkFrame(p, b.inset(2).moved(1, 1), kHighlight);
        break;
    default: break;
    }
}

void markCell(QPainter& p, const Cell& c) {
    const StateColours s = stateColours(c.state);
    const bool on = (c.state & 4) != 0;
    const Box b = c.box;
    const QRectF r = edgeRect(b);
    p.setPen(pen(s.edge));
    p.setBrush(vertical(r, Qt::white, (c.state & 3) == 3 ? s.bottom : kFaceBottom));
    if (c.look == Look::Radio) {
        p.drawEllipse(r);
        if (on) {
            p.setPen(Qt::NoPen);
            p.setBrush((c.state & 3) == 3 ? kDisabled : kSealBottom);
            p.drawEllipse(r.center(), 2.6, 2.6);
        }
        return;
    }
    p.drawRoundedRect(r, 1.5, 1.5);
    if (on) {
        p.setPen(roundPen((c.state & 3) == 3 ? kDisabled : kSealBottom, 1.8));
        p.setBrush(Qt::NoBrush);
        p.drawPolyline(QPolygonF{QPointF(b.left + 3, b.top + 6.5), QPointF(b.left + 5.5, b.top + 9),
                                 QPointF(b.left + 10, b.top + 3.5)});
    }
}

void buttonCell(QPainter& p, const Cell& c) {
    const StateColours s = stateColours(c.state);
    const Box b = c.box;
    const QPointF centre(b.left + b.width() / 2.0, b.top + b.height() / 2.0);
    switch (c.look) {
    case Look::Button:
    case Look::ToolButton:
    case Look::Header:
        tile(p, b, s.top, s.bottom, s.edge, c.look == Look::Header ? 0 : 3, c.state == 2 ? QColor() : kHighlight);
        break;
    case Look::Tab: {
        const Box tab{b.left, b.top + (c.state == 2 ? 0 : 2), b.right, b.bottom};
        tile(p, tab, c.state == 2 ? kPaper : s.top, c.state == 2 ? kPaper : s.bottom, kFaceEdge, 3);
        p.fillRect(QRectF(b.left + 1, b.bottom - 2, b.width() - 2, 2), c.state == 2 ? kPaper : s.bottom);
        break;
    }
    case Look::MenuBarItem:
        if (c.state == 0) {
            p.fillRect(qrect(b), vertical(edgeRect(b), kCaptionTop, kCaptionBottom));
        } else {
            tile(p, b, s.top, s.bottom, s.edge, 2);
        }
        break;
    case Look::Arrow:
        tile(p, b, s.top, s.bottom, s.edge, 2);
        arrowHead(p, centre, c.direction, 3.5, s.ink);
        break;
    case Look::ComboButton:
        tile(p, b, s.top, s.bottom, s.edge, 2);
        arrowHead(p, centre, Direction::Down, 3.5, s.ink);
        break;
    case Look::RoundButton:
        tile(p, b, s.top, s.bottom, s.edge, b.height() / 2.0 - 1, c.state == 2 ? QColor() : kHighlight);
        break;
    default: break;
    }
}

void barCell(QPainter& p, const Cell& c) {
    const Box b = c.box;
    const bool horizontal = b.width() > b.height();
    switch (c.look) {
    case Look::TrackH:
    case Look::TrackV:
        p.fillRect(qrect(b), QColor(0xF1, 0xEA, 0xDB));
        inkFrame(p, b, kFaceEdge);
        break;
    case Look::ThumbH:
    case Look::ThumbV: {
        const StateColours s = stateColours(c.state);
        tile(p, b.inset(1), s.top, s.bottom, s.edge, 3, kHighlight);
        p.setPen(pen(s.edge));
        const QPointF m(b.left + b.width() / 2.0, b.top + b.height() / 2.0);
        for (int i = -2; i <= 2; i += 2) {
            if (horizontal) p.drawLine(QPointF(m.x() + i + 0.5, m.y() - 3), QPointF(m.x() + i + 0.5, m.y() + 3));
            else p.drawLine(QPointF(m.x() - 3, m.y() + i + 0.5), QPointF(m.x() + 3, m.y() + i + 0.5));
        }
        break;
    }
    case Look::GaugeH:
    case Look::GaugeV:
    case Look::RailH:
    case Look::RailV:
        p.setPen(pen(kInkLine));
        p.setBrush(QColor(0xFB, 0xF7, 0xEE));
        p.drawRoundedRect(edgeRect(b), 2, 2);
        bevel(p, b, kShade, Qt::white);
        break;
    case Look::GaugeBarH:
    case Look::GaugeBarV: {
        QLinearGradient g = horizontal ? vertical(edgeRect(b), kCeladonTop, kCeladonBottom)
                                       : QLinearGradient(b.left, 0, b.right, 0);
        if (!horizontal) {
            g.setColorAt(0, kCeladonTop);
            g.setColorAt(1, kCeladonBottom);
        }
        p.setPen(pen(kCeladonEdge));
        p.setBrush(g);
        p.drawRoundedRect(edgeRect(b), 2, 2);
        break;
    }
    case Look::ThumbRailH:
    case Look::ThumbRailV:
    case Look::Knob: {
        const StateColours s = stateColours(c.state);
        if (c.look == Look::Knob) {
            p.setPen(pen(s.edge));
            p.setBrush(vertical(edgeRect(b), s.top, s.bottom));
            p.drawEllipse(edgeRect(b));
        } else {
            tile(p, b, s.top, s.bottom, s.edge, 2, kHighlight);
        }
        break;
    }
    case Look::GripH:
    case Look::GripV:
        p.fillRect(qrect(b), kBorder);
        p.setPen(Qt::NoPen);
        for (int i = 3; i < (horizontal ? b.width() : b.height()) - 3; i += 4) {
            const QPointF at = horizontal ? QPointF(b.left + i, b.top + b.height() / 2.0 - 1)
                                          : QPointF(b.left + b.width() / 2.0 - 1, b.top + i);
            p.setBrush(kShade);
            p.drawRect(QRectF(at, QSizeF(2, 2)));
            p.setBrush(kHighlight);
            p.drawRect(QRectF(at, QSizeF(1, 1)));
        }
        break;
    default: break;
    }
}

void miscCell(QPainter& p, const Cell& c) {
    const Box b = c.box;
    switch (c.look) {
    case Look::MenuBarBack:
        p.fillRect(qrect(b), vertical(edgeRect(b), kCaptionTop, kCaptionBottom));
        p.setPen(pen(kShade));
        p.drawLine(QPointF(b.left, b.bottom - 0.5), QPointF(b.right, b.bottom - 0.5));
        break;
    case Look::Dropdown:
        p.fillRect(qrect(b), Qt::white);
        inkFrame(p, b, kInkLine);
        bevel(p, b, kShade, QColor(0xF6, 0xF1, 0xE6));
        break;
    case Look::TreeBox: {
        p.setPen(pen(kFaceEdge));
        p.setBrush(Qt::white);
        p.drawRect(edgeRect(b));
        p.setPen(pen(kGlyph));
        const qreal mx = b.left + 4.5, my = b.top + 4.5;
        p.drawLine(QPointF(b.left + 2, my), QPointF(b.right - 2, my));
        if (c.state == 0) p.drawLine(QPointF(mx, b.top + 2), QPointF(mx, b.bottom - 2));
        break;
    }
    default: break;
    }
}

void sheetCell(QPainter& p, const Cell& c) {
    switch (c.look) {
    case Look::RaisedFrame: case Look::SunkenFrame: case Look::CaptionFrame: case Look::GroupFrame:
    case Look::TabPage: case Look::GridFrame: case Look::BarFrame: case Look::EtchedFrame:
        frameCell(p, c);
        break;
    case Look::Check: case Look::Radio: markCell(p, c); break;
    case Look::Button: case Look::ToolButton: case Look::Header: case Look::Tab: case Look::MenuBarItem:
    case Look::Arrow: case Look::ComboButton: case Look::RoundButton:
        buttonCell(p, c);
        break;
    case Look::MenuBarBack: case Look::Dropdown: case Look::TreeBox: miscCell(p, c); break;
    default: barCell(p, c); break;
    }
}

QImage controlSheet() {
    const PictureSize size = kActivePictures[4];
    QImage image = canvas(size.width, size.height, kBorder);
    paint(image, [](QPainter& p) {
        for (const Cell& c : kSheet) {
            p.save();
            p.setClipRect(qrect(c.box));
            sheetCell(p, c);
            p.restore();
        }
    });
    return image;
}

// The round button's outline: a pill of the picture's size.
bool insideRoundButton(int x, int y) {
    const PictureSize size = kActivePictures[kRoundButtonMaskPicture];
    const double r = size.height * density / 2.0;
    const double cx = std::clamp(x + 0.5, r, size.width * density - r);
    const double dx = x + 0.5 - cx, dy = y + 0.5 - r;
    return dx * dx + dy * dy <= r * r;
}

// Every bitmap of the skin at the current density.
void savePictures() {
    const QImage background = frameBackground();
    save24(framePicture(background), kFramePictureFile);
    save(monoMask(kFrameWidth * density, kFrameHeight * density, insideShape), 1, kMaskFile);
    save24(buttonsPicture(background), kActivePictureFiles[0]);
    save8(popupPicture(), kActivePictureFiles[1]);
    save8(menuItemPicture(), kActivePictureFiles[2]);
    save8(hintPicture(), kActivePictureFiles[3]);
    save8(controlSheet(), kActivePictureFiles[4]);
    const PictureSize roundMask = kActivePictures[kRoundButtonMaskPicture];
    save(monoMask(roundMask.width * density, roundMask.height * density, insideRoundButton), 1, kActivePictureFiles[5]);
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: skin_artwork OUTPUT_DIR [PREVIEW_DIR]\n");
        return 2;
    }
    outputDir = QString::fromLocal8Bit(argv[1]);

    for (density = 1; density <= 3; ++density) savePictures();
    density = 1;

    const std::string ini = skinIniText();
    QFile file(outputDir + "/skin.ini");
    if (!file.open(QIODevice::WriteOnly) || file.write(ini.data(), qint64(ini.size())) != qint64(ini.size())) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        return 1;
    }
    file.close();
    if (argc == 3) writePreviews(outputDir, QString::fromLocal8Bit(argv[2]));
    return 0;
}

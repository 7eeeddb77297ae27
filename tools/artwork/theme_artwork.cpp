// Draws the theme pictures of the themed controls at their fixed sizes and frame layouts and
// writes them as PNG files named after their resources. Fuchsia (0xFF00FF) marks see-through
// pixels; shapes are drawn anti-aliased against the colour they are expected to sit on, and every
// pixel the shape covers less than half is keyed out, so no pink fringe can appear.
//
// Each picture is drawn at 1x, 2x and 3x (NAME.png, NAME@2x.png, NAME@3x.png): the canvas carries
// the density as its device pixel ratio, so the same drawing code, in design pixels, gives real
// detail at every density, and frames stay exactly density times as wide.
//
// Usage: theme_artwork <output directory>

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <functional>
#include <vector>

namespace {

const QColor kFuchsia(255, 0, 255);
const QColor kWindowGrey(0xE1, 0xE1, 0xE1);  // the main window's background

QColor hex(unsigned rgb) { return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF); }

QColor mix(const QColor& a, const QColor& b, double t) {
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t);
}

int density = 1;  // device pixels a design pixel for the pictures being drawn

QImage blank(int w, int h) {
    QImage image(w * density, h * density, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(density);
    image.fill(Qt::transparent);
    return image;
}

// Composites the drawing onto `background`; with `keyed`, pixels less than half covered become fuchsia.
QImage flatten(const QImage& art, const QColor& background, bool keyed) {
    QImage out(art.size(), QImage::Format_RGB32);
    const QImage straight = art.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < art.height(); ++y)
        for (int x = 0; x < art.width(); ++x) {
            QColor c = QColor::fromRgba(straight.pixel(x, y));
            if (keyed && c.alpha() < 128) {
                out.setPixel(x, y, kFuchsia.rgb());
                continue;
            }
            out.setPixel(x, y, mix(background, QColor(c.red(), c.green(), c.blue()), c.alphaF()).rgb());
        }
    return out;
}

QImage strip(const std::vector<QImage>& frames) {
    int width = 0;
    for (const QImage& f : frames) width += f.width();
    QImage out(width, frames.front().height(), QImage::Format_RGB32);
    QPainter p(&out);
    int x = 0;
    for (const QImage& f : frames) {
        p.drawImage(x, 0, f);
        x += f.width();
    }
    return out;
}

QLinearGradient vertical(double top, double bottom, std::initializer_list<std::pair<double, QColor>> stops) {
    QLinearGradient g(0, top, 0, bottom);
    for (const auto& [at, colour] : stops) g.setColorAt(at, colour);
    return g;
}

// ---------------------------------------------------------------------------------------------
// Push button skins: three frames, normal, hot, down.

struct ButtonLook {
    QColor border;
    QColor top, middle, bottom;  // face gradient
    QColor gloss;                // highlight over the upper half (alpha used)
    QColor innerLine;            // optional inner ring (hot rings of the square styles)
};

QImage buttonFrame(int w, int h, double radius, const ButtonLook& look, bool keyed, const QColor& around) {
    QImage art = blank(w, h);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF outer(0.5, 0.5, w - 1.0, h - 1.0);
    QPainterPath shape;
    shape.addRoundedRect(outer, radius, radius);
    p.fillPath(shape, vertical(0, h, {{0.0, look.top}, {0.5, look.middle}, {1.0, look.bottom}}));
    if (look.gloss.alpha() > 0) {
        QPainterPath gloss;
        const QRectF upper(2.0, 1.5, w - 4.0, h * 0.45);
        gloss.addRoundedRect(upper, std::max(radius - 2, 1.0), std::max(radius - 2, 1.0));
        QColor clear = look.gloss;
        clear.setAlpha(0);
        p.fillPath(gloss, vertical(upper.top(), upper.bottom(), {{0.0, look.gloss}, {1.0, clear}}));
    }
    if (look.innerLine.isValid()) {
        p.setPen(QPen(look.innerLine, 1.5));
        p.drawRoundedRect(outer.adjusted(1.5, 1.5, -1.5, -1.5), std::max(radius - 1.5, 1.0), std::max(radius - 1.5, 1.0));
    }
    p.setPen(QPen(look.border, 1.0));
    p.drawPath(shape);
    p.end();
    return flatten(art, around, keyed);
}

QImage buttonSkin(int frameWidth, int height, double radius, const ButtonLook (&looks)[3], bool keyed) {
    std::vector<QImage> frames;
    for (const ButtonLook& look : looks) frames.push_back(buttonFrame(frameWidth, height, radius, look, keyed, kWindowGrey));
    return strip(frames);
}

QImage macosButton() {
    const ButtonLook looks[3] = {
        {hex(0x8E8E8E), hex(0xFCFCFC), hex(0xE9E9E9), hex(0xD9D9D9), QColor(255, 255, 255, 200), {}},
        {hex(0x5B8FC4), hex(0xEAF4FD), hex(0xBCDCF7), hex(0xA4CFF4), QColor(255, 255, 255, 190), {}},
        {hex(0x2F639C), hex(0xA6C9EE), hex(0x6CA4DD), hex(0x8DBBEA), QColor(255, 255, 255, 120), {}},
    };
    return buttonSkin(84, 23, 11.0, looks, true);
}

QImage winxpButton() {
    const ButtonLook looks[3] = {
        {hex(0x003C74), hex(0xFFFFFF), hex(0xF5F4EF), hex(0xDCD8CD), QColor(0, 0, 0, 0), {}},
        {hex(0x003C74), hex(0xFFFFFF), hex(0xF5F4EF), hex(0xDCD8CD), QColor(0, 0, 0, 0), hex(0xF4B43B)},
        {hex(0x003C74), hex(0xD6D3CA), hex(0xE2E0DA), hex(0xEFEEEA), QColor(0, 0, 0, 0), {}},
    };
    return buttonSkin(18, 21, 3.0, looks, false);
}

QImage deepblueButton() {
    const ButtonLook looks[3] = {
        {hex(0x1F3F7F), hex(0xF1F5FB), hex(0xD9E4F3), hex(0xBFD0EA), QColor(255, 255, 255, 110), {}},
        {hex(0x1F3F7F), hex(0xF8FBFF), hex(0xE4EEFA), hex(0xCCDDF3), QColor(255, 255, 255, 130), hex(0x6E9BDA)},
        {hex(0x1F3F7F), hex(0xAFC4E4), hex(0xC3D4EC), hex(0xD8E3F3), QColor(0, 0, 0, 0), {}},
    };
    return buttonSkin(74, 21, 2.0, looks, false);
}

QImage proteinButton() {
    const ButtonLook looks[3] = {
        {hex(0x6E6E6E), hex(0xFBFBFB), hex(0xE6E6E6), hex(0xCDCDCD), QColor(255, 255, 255, 140), {}},
        {hex(0x5E7F4A), hex(0xFBFDF8), hex(0xE6F0DE), hex(0xCADDBB), QColor(255, 255, 255, 140), hex(0x9CC27F)},
        {hex(0x5A5A5A), hex(0xC6C6C6), hex(0xD4D4D4), hex(0xE4E4E4), QColor(0, 0, 0, 0), {}},
    };
    return buttonSkin(74, 21, 2.0, looks, false);
}

QImage blueglassButton() {
    const ButtonLook looks[3] = {
        {hex(0x3B76B0), hex(0xE3F1FC), hex(0xA9D2F2), hex(0xC9E4F8), QColor(255, 255, 255, 210), {}},
        {hex(0x2E6AA6), hex(0xF0F8FE), hex(0xBBDDF7), hex(0xDBEEFB), QColor(255, 255, 255, 230), {}},
        {hex(0x21558C), hex(0x9FCAEE), hex(0x6AABE0), hex(0x8EC1EA), QColor(255, 255, 255, 110), {}},
    };
    return buttonSkin(77, 27, 6.0, looks, true);
}

// ---------------------------------------------------------------------------------------------
// Check boxes and radio buttons: four frames, checked, unchecked, checked disabled, unchecked disabled.

struct BoxLook {
    QColor border;
    QColor top, bottom;                // unchecked face
    QColor checkedTop, checkedBottom;  // checked face
    QColor mark;
};

BoxLook disabledLook(const BoxLook& look) {
    const QColor faded = hex(0xF2F2F2);
    auto fade = [&](const QColor& c) { return mix(c, faded, 0.65); };
    return {fade(look.border), fade(look.top), fade(look.bottom), fade(look.checkedTop), fade(look.checkedBottom),
            mix(look.mark, faded, 0.55)};
}

void drawCheckMark(QPainter& p, const QRectF& box, const QColor& colour) {
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.43, box.top() + box.height() * 0.74);
    tick.lineTo(box.left() + box.width() * 0.80, box.top() + box.height() * 0.26);
    p.setPen(QPen(colour, box.width() > 12 ? 2.2 : 1.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

QImage checkBoxFrame(QSize frame, QRectF box, double radius, const BoxLook& look, bool checked, bool keyed,
                     const QColor& around) {
    QImage art = blank(frame.width(), frame.height());
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(box, radius, radius);
    p.fillPath(shape, vertical(box.top(), box.bottom(),
                               {{0.0, checked ? look.checkedTop : look.top},
                                {1.0, checked ? look.checkedBottom : look.bottom}}));
    p.setPen(QPen(look.border, 1.0));
    p.drawPath(shape);
    if (checked) drawCheckMark(p, box, look.mark);
    p.end();
    return flatten(art, around, keyed);
}

QImage radioFrame(QSize frame, QPointF centre, double radius, const BoxLook& look, bool checked, const QColor& around) {
    QImage art = blank(frame.width(), frame.height());
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF disc(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    p.setPen(QPen(look.border, 1.0));
    p.setBrush(vertical(disc.top(), disc.bottom(),
                        {{0.0, checked ? look.checkedTop : look.top}, {1.0, checked ? look.checkedBottom : look.bottom}}));
    p.drawEllipse(disc);
    if (checked) {
        const double dot = radius * 0.36;
        QRadialGradient shine(centre - QPointF(dot * 0.3, dot * 0.3), dot * 1.4);
        shine.setColorAt(0.0, mix(look.mark, Qt::white, 0.35));
        shine.setColorAt(1.0, look.mark);
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawEllipse(centre, dot, dot);
    }
    p.end();
    return flatten(art, around, true);
}

QImage fourFrames(const std::function<QImage(const BoxLook&, bool)>& draw, const BoxLook& look) {
    const BoxLook off = disabledLook(look);
    return strip({draw(look, true), draw(look, false), draw(off, true), draw(off, false)});
}

QImage smallCheckBox(const BoxLook& look) {
    return fourFrames([](const BoxLook& l, bool c) {
        return checkBoxFrame({13, 13}, QRectF(0.5, 0.5, 12, 12), 1.5, l, c, false, kWindowGrey);
    }, look);
}

QImage smallRadioButton(const BoxLook& look) {
    return fourFrames([](const BoxLook& l, bool c) { return radioFrame({13, 13}, {6.5, 6.5}, 6.0, l, c, kWindowGrey); },
                      look);
}

const BoxLook kMacBox{hex(0x8A8A8A), hex(0xFFFFFF), hex(0xDCDCDC), hex(0xB9DAF8), hex(0x5C9DE0), hex(0x1B2633)};
const BoxLook kWinXpBox{hex(0x1C5180), hex(0xDCDCD7), hex(0xFFFFFF), hex(0xDCDCD7), hex(0xFFFFFF), hex(0x21A121)};
const BoxLook kDeepBlueBox{hex(0x1F3F7F), hex(0xFFFFFF), hex(0xDDE6F3), hex(0xFFFFFF), hex(0xDDE6F3), hex(0x1F3F7F)};
const BoxLook kProteinBox{hex(0x6E6E6E), hex(0xFFFFFF), hex(0xE0E0E0), hex(0xFFFFFF), hex(0xE0E0E0), hex(0x3A3A3A)};
const BoxLook kBlueGlassBox{hex(0x3B76B0), hex(0xF4FAFE), hex(0xCFE6F8), hex(0xD8ECFB), hex(0x9CCBF0), hex(0x18467A)};

QImage macosCheckBox() {
    return fourFrames([](const BoxLook& l, bool c) {
        return checkBoxFrame({15, 17}, QRectF(1.5, 2.5, 12, 12), 3.0, l, c, false, kWindowGrey);
    }, kMacBox);
}

QImage macosRadioButton() {
    return fourFrames([](const BoxLook& l, bool c) { return radioFrame({16, 17}, {8.0, 8.5}, 6.5, l, c, kWindowGrey); },
                      kMacBox);
}

// ---------------------------------------------------------------------------------------------
// Combo box buttons, title strips and the panel's fold button.

QImage macosComboButton() {
    QImage art = blank(16, 17);
    QPainter p(&art);
    p.fillRect(QRect(0, 0, 16, 17), vertical(0, 17, {{0.0, hex(0xDDEEFC)}, {0.5, hex(0xA7CDF3)}, {1.0, hex(0x7FB3E6)}}));
    p.fillRect(QRect(0, 0, 16, 8), QColor(255, 255, 255, 70));
    p.fillRect(QRect(0, 0, 1, 17), hex(0x5F8FC2));  // one design pixel wide at every density
    p.end();
    return flatten(art, Qt::white, false);
}

QImage winxpComboButton() {
    QImage art = blank(16, 18);
    QPainter p(&art);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(0.5, 0.5, 15, 17), 2, 2);
    p.fillPath(shape, vertical(0, 18, {{0.0, hex(0xE3ECFE)}, {1.0, hex(0xB4C8F6)}}));
    p.setPen(hex(0xB4C6ED));
    p.drawPath(shape);
    // The style draws no arrow of its own over this picture, so the picture carries it.
    p.setPen(QPen(hex(0x4D6185), 2.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(QPolygonF({QPointF(5, 7.5), QPointF(8, 10.5), QPointF(11, 7.5)}));
    p.end();
    return flatten(art, Qt::white, false);
}

QImage titleStrip(int height, std::initializer_list<std::pair<double, QColor>> stops, const QColor& lastRow) {
    QImage art = blank(1, height);
    QPainter p(&art);
    p.fillRect(QRect(0, 0, 1, height), vertical(0, height, stops));
    p.fillRect(QRect(0, height - 1, 1, 1), lastRow);
    p.end();
    return flatten(art, Qt::white, false);
}

QImage panelButton() {
    std::vector<QImage> frames;
    for (bool up : {true, false})
        for (bool hot : {false, true}) {
            QImage art = blank(13, 12);
            QPainter p(&art);
            p.setRenderHint(QPainter::Antialiasing);
            if (hot) {
                p.setPen(QPen(hex(0xA9A9A9), 1.0));
                p.setBrush(vertical(0, 12, {{0.0, Qt::white}, {1.0, hex(0xE9F2FB)}}));
                p.drawRoundedRect(QRectF(0.5, 0.5, 12, 11), 3, 3);
            }
            p.setPen(QPen(hot ? hex(0x7D7D7D) : hex(0x333333), 1.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
            p.setBrush(Qt::NoBrush);
            for (double y : {3.0, 6.5}) {
                const double tip = up ? y : y + 2.5, base = up ? y + 2.5 : y;
                p.drawPolyline(QPolygonF({QPointF(3.5, base), QPointF(6.5, tip), QPointF(9.5, base)}));
            }
            p.end();
            frames.push_back(flatten(art, hex(0xE6E6E6), true));
        }
    // Frame order: expanded, expanded hot, folded, folded hot.
    return strip(frames);
}

bool save(const QImage& image, const QDir& dir, const char* name) {
    const QString suffix = density == 1 ? QString() : QStringLiteral("@%1x").arg(density);
    const QString path = dir.filePath(QString::fromLatin1(name) + suffix + QStringLiteral(".png"));
    if (!image.convertToFormat(QImage::Format_RGB32).save(path, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

// Every theme picture at the current density.
bool saveAll(const QDir& dir) {
    const std::vector<std::pair<const char*, QImage>> pictures = {
        {"MACOS_BUTTON", macosButton()},
        {"WINXP_BUTTON", winxpButton()},
        {"DEEPBLUE_BUTTON", deepblueButton()},
        {"PROTEIN_BUTTON", proteinButton()},
        {"BLUEGLASS_BUTTON", blueglassButton()},
        {"MACOS_CHECKBOX", macosCheckBox()},
        {"MACOS_RADIOBUTTON", macosRadioButton()},
        {"WINXP_CHECKBOX", smallCheckBox(kWinXpBox)},
        {"WINXP_RADIOBUTTON", smallRadioButton(kWinXpBox)},
        {"DEEPBLUE_CHECKBOX", smallCheckBox(kDeepBlueBox)},
        {"DEEPBLUE_RADIOBUTTON", smallRadioButton(kDeepBlueBox)},
        {"PROTEIN_CHECKBOX", smallCheckBox(kProteinBox)},
        {"PROTEIN_RADIOBUTTON", smallRadioButton(kProteinBox)},
        {"BLUEGLASS_CHECKBOX", smallCheckBox(kBlueGlassBox)},
        {"BLUEGLASS_RADIOBUTTON", smallRadioButton(kBlueGlassBox)},
        {"MACOS_COMBOBOX_BUTTON", macosComboButton()},
        {"WINXP_COMBOBOX_BUTTON", winxpComboButton()},
        {"MACOS_SIDECHENNEL_BAR", titleStrip(21, {{0.0, hex(0xFAFAFA)}, {0.5, hex(0xE8E8E8)}, {1.0, hex(0xD3D3D3)}}, hex(0xA6A6A6))},
        {"WINXP_SIDECHENNEL_BAR", titleStrip(21, {{0.0, hex(0xFFFFFF)}, {1.0, hex(0xC6D3F7)}}, hex(0x7A96DF))},
        {"DEEPBLUE_SIDECHENNEL_BAR", titleStrip(20, {{0.0, hex(0x3A6CB8)}, {1.0, hex(0x163B78)}}, hex(0x0E2752))},
        {"PROTEIN_SIDECHENNEL_BAR", titleStrip(21, {{0.0, hex(0xA4A4A4)}, {1.0, hex(0x686868)}}, hex(0x4A4A4A))},
        {"BLUEGLASS_SIDECHENNEL_BAR", titleStrip(21, {{0.0, hex(0x86BAEA)}, {0.5, hex(0x4F8FD2)}, {1.0, hex(0x2D6FBA)}}, hex(0x1F5596))},
        {"PANEL_BUTTON", panelButton()},
    };
    bool ok = true;
    for (const auto& [name, image] : pictures) ok = save(image, dir, name) && ok;
    return ok;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output directory>\n", argv[0]);
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    if (!dir.exists() && !QDir().mkpath(dir.path())) {
        std::fprintf(stderr, "cannot create %s\n", argv[1]);
        return 1;
    }
    bool ok = true;
    for (density = 1; density <= 3; ++density) ok = saveAll(dir) && ok;
    return ok ? 0 : 1;
}

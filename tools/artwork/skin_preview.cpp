// Composes the written skin the way the program shows it, to judge the pictures before they are
// committed: a main window and a reading window frame, a system menu and a hint. It reads the
// BMP files back from disk and composes them with the program's own anchor-point rule, so what it
// shows is what a window will show.

#include "skin_preview.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <cstdlib>

#include "skin/model/picture_composition.h"
#include "skin_layout.h"

namespace skinart {
namespace {

const QColor kDesktop(0x5D, 0x6F, 0x80);

QImage load(const QString& dir, std::string_view name) {
    QImage image(dir + "/" + QString::fromLatin1(name.data(), qsizetype(name.size())));
    if (image.isNull()) {
        std::fprintf(stderr, "cannot read %.*s back\n", int(name.size()), name.data());
        std::exit(1);
    }
    return image.convertToFormat(QImage::Format_RGB32);
}

veyrin::FrameRect frameRect(const Box& b) { return {b.left, b.top, b.right, b.bottom}; }
veyrin::FramePoint framePoint(Point p) { return {p.x, p.y}; }
QRect qrect(const veyrin::FrameRect& r) { return {r.left, r.top, r.width(), r.height()}; }

veyrin::CompositionSource source(const QImage& picture, Point lt, Point rt, Point lb, Point rb, const Box& inner) {
    veyrin::CompositionSource s;
    s.width = picture.width();
    s.height = picture.height();
    s.anchors.leftTop = framePoint(lt);
    s.anchors.rightTop = framePoint(rt);
    s.anchors.leftBottom = framePoint(lb);
    s.anchors.rightBottom = framePoint(rb);
    s.inner = frameRect(inner);
    return s;
}

void drawCopies(QPainter& p, const QImage& picture, const std::vector<veyrin::PictureCopy>& copies) {
    for (const veyrin::PictureCopy& c : copies) {
        const QImage part = picture.copy(qrect(c.source));
        if (c.mode == veyrin::PictureCopy::Mode::Tile) {
            p.drawTiledPixmap(qrect(c.target), QPixmap::fromImage(part));
        } else {
            p.drawImage(qrect(c.target), part);
        }
    }
}

QImage compose(const QImage& picture, const veyrin::CompositionSource& s, int width, int height) {
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(Qt::magenta);  // any part the rule leaves uncovered shows up at once
    QPainter p(&out);
    drawCopies(p, picture, veyrin::composedPictureCopies(s, width, height));
    return out;
}

// The left-gradient blend the frame uses while a button turns hot, at factor f.
QImage leftGradientBlend(const QImage& normal, const QImage& hot, double f) {
    QImage out = normal.copy();
    const int w = normal.width();
    const int a = std::clamp(int(std::lround(w * f)), 1, w - 1);
    for (int y = 0; y < normal.height(); ++y) {
        for (int x = 0; x <= a && x < w; ++x) {
            const double weightNormal = std::min(1.0, double(x) / a);
            auto mix = [&](int n, int h) { return int(std::lround(weightNormal * n + (1 - weightNormal) * h)); };
            const QRgb n = normal.pixel(x, y), h = hot.pixel(x, y);
            out.setPixel(x, y, qRgb(mix(qRed(n), qRed(h)), mix(qGreen(n), qGreen(h)), mix(qBlue(n), qBlue(h))));
        }
    }
    return out;
}

struct WindowLook {
    QString title;
    bool active;
    bool mainWindow;   // close, minimise, roll-up, tray and system menu work; maximise does not
    double closeHot;   // blend factor of the close button
};

QImage window(const QString& dir, int width, int height, const WindowLook& look) {
    const QImage frame = load(dir, kFramePictureFile);
    const QImage mask = load(dir, kMaskFile);
    const QImage buttons = load(dir, kActivePictureFiles[0]);
    const auto s = source(frame, kFrameLeftTop, kFrameRightTop, kFrameLeftBottom, kFrameRightBottom, kClientRect);
    QImage out = compose(frame, s, width, height);
    const QImage shape = compose(mask, s, width, height);
    const int dx = width - kFrameWidth;

    QPainter p(&out);
    for (const CaptionButton& b : kCaptionButtons) {
        const bool enabled = b.glyph == Glyph::Close || (look.mainWindow && b.glyph != Glyph::Maximize);
        const Box at = b.normal.left >= kFrameRightTop.x ? b.normal.moved(dx, 0) : b.normal;
        if (!enabled) {
            p.drawImage(at.left, at.top, buttons.copy(QRect(kDisabledButton.left, kDisabledButton.top, 23, 24)));
        } else if (b.glyph == Glyph::Close && look.closeHot > 0) {
            const QImage normal = frame.copy(QRect(b.normal.left, b.normal.top, 23, 24));
            const QImage hot = buttons.copy(QRect(b.hot.left, b.hot.top, 23, 24));
            p.drawImage(at.left, at.top, look.closeHot < 1 ? leftGradientBlend(normal, hot, look.closeHot) : hot);
        }
    }
    QFont font("Arial");
    font.setPixelSize(18);
    font.setBold(true);
    p.setFont(font);
    const QRect text(kCaptionRect.left + 9, kCaptionRect.top, kCaptionRect.width() - 9 - (30 - 21) + dx, 27);
    p.setPen(Qt::white);
    p.drawText(text.translated(1, 1), Qt::AlignCenter, look.title);
    p.setPen(look.active ? Qt::black : QColor(0x80, 0x80, 0x80));
    p.drawText(text, Qt::AlignCenter, look.title);
    p.end();

    QImage onDesktop(width + 40, height + 40, QImage::Format_RGB32);
    onDesktop.fill(kDesktop);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if ((shape.pixel(x, y) & 0xFFFFFF) == 0) onDesktop.setPixel(x + 20, y + 20, out.pixel(x, y));
        }
    }
    return onDesktop;
}

QFont uiFont(int pixels) {
    QFont font("Arial");
    font.setPixelSize(pixels);
    return font;
}

QImage systemMenu(const QString& dir) {
    const QImage popup = load(dir, kActivePictureFiles[1]);
    const QImage items = load(dir, kActivePictureFiles[2]);
    const QStringList captions{"最小化", "向上卷拢", "最小化到图标", "-", "关闭"};
    const QFont font = uiFont(14);
    const QFontMetrics metrics(font);
    int textWidth = 0;
    for (const QString& c : captions) textWidth = std::max(textWidth, metrics.horizontalAdvance(c + "  Alt+F4") + 2);
    const int width = textWidth + 19 + 19 + popup.width() - kPopupItemsRect.width() + kMenuItemText.left +
                      (kMenuItemNormal.width() - kMenuItemText.right);
    int height = popup.height() - kPopupItemsRect.height();
    for (const QString& c : captions) height += c == "-" ? kMenuDivider.height() : kMenuItemNormal.height();
    QImage out = compose(popup, source(popup, kPopupLeftTop, kPopupRightTop, kPopupLeftBottom, kPopupRightBottom, kPopupItemsRect),
                         width, height);

    QPainter p(&out);
    p.setFont(font);
    const int itemWidth = width - (popup.width() - kPopupItemsRect.width());
    int y = kPopupItemsRect.top;
    for (int i = 0; i < captions.size(); ++i) {
        const bool divider = captions[i] == "-";
        const Box look = divider ? kMenuDivider : (i == 1 ? kMenuItemActive : kMenuItemNormal);
        const int left = divider ? kDividerLeftOffset : kMenuItemSideOffset;
        const int right = divider ? kDividerRightOffset : kMenuItemSideOffset;
        const veyrin::CompositionSource row = source(items.copy(QRect(look.left, look.top, look.width(), look.height())),
                                                     {left, 1}, {look.width() - right, 1}, {left, 1},
                                                     {look.width() - right, 1}, {left, 0, look.width() - right, look.height()});
        p.drawImage(kPopupItemsRect.left, y,
                    compose(items.copy(QRect(look.left, look.top, look.width(), look.height())), row, itemWidth, look.height()));
        if (!divider) {
            p.setPen(i == 1 ? Qt::white : Qt::black);
            const QRect text(kPopupItemsRect.left + kMenuItemText.left + 16, y + kMenuItemText.top,
                             itemWidth - kMenuItemText.left - 16 - (kMenuItemNormal.width() - kMenuItemText.right), 16);
            p.drawText(text, Qt::AlignVCenter | Qt::AlignLeft, captions[i]);
            if (i == 4) p.drawText(text.adjusted(0, 0, -16, 0), Qt::AlignVCenter | Qt::AlignRight, "Alt+F4");
        }
        y += look.height();
    }
    return out;
}

QImage hint(const QString& dir, const QString& text) {
    const QImage picture = load(dir, kActivePictureFiles[3]);
    const QFont font = uiFont(14);
    const QFontMetrics metrics(font);
    const int width = std::max(picture.width(), metrics.horizontalAdvance(text) + kHintClientRect.left +
                                                    picture.width() - kHintClientRect.right);
    const int height = std::max(picture.height(), metrics.height() + kHintClientRect.top +
                                                      picture.height() - kHintClientRect.bottom);
    QImage out = compose(picture, source(picture, kHintLeftTop, kHintRightTop, kHintLeftBottom, kHintRightBottom, kHintClientRect),
                         width, height);
    QPainter p(&out);
    p.setFont(font);
    p.setPen(Qt::black);
    const QRect client(kHintClientRect.left, kHintClientRect.top, kHintClientRect.width() + width - picture.width(),
                       kHintClientRect.height() + height - picture.height());
    p.drawText(client, Qt::AlignCenter, text);
    return out;
}

void write(const QImage& image, const QString& dir, const QString& name) {
    if (!image.save(dir + "/" + name, "PNG")) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
        std::exit(1);
    }
}

}  // namespace

void writePreviews(const QString& skinDir, const QString& previewDir) {
    write(window(skinDir, 560, 703, {"Veyrin", true, true, 0}), previewDir, "main_window.png");
    write(window(skinDir, 420, 260, {"Veyrin阅读", false, false, 0}), previewDir, "reading_window_inactive.png");
    QImage strip(3 * 230, 100, QImage::Format_RGB32);
    strip.fill(kDesktop);
    {
        QPainter p(&strip);
        for (int i = 0; i < 3; ++i) {
            const QImage w = window(skinDir, 190, 60, {"", true, true, 0.5 * i});
            p.drawImage(i * 230, 0, w);
        }
    }
    write(strip, previewDir, "close_blend.png");
    write(systemMenu(skinDir), previewDir, "system_menu.png");
    write(hint(skinDir, "向上卷拢"), previewDir, "hint.png");
}

}  // namespace skinart

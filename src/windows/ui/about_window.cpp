#include "windows/ui/about_window.h"

#include <algorithm>

#include <QDesktopServices>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include "controls/ui/sui_button.h"
#include "platform/ui/embossed_text.h"
#include "platform/ui/font_faces.h"
#include "platform/ui/qt_color.h"

namespace veyrin {
namespace {

constexpr TColor kLabelBackground = 0xE1E1E1;

TForm2::UrlOpener& urlOpener() {
    static TForm2::UrlOpener opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    return opener;
}

QString u8(const char* text) { return QString::fromUtf8(text); }

}  // namespace

void AboutLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
}

void AboutLabel::paintEvent(QPaintEvent* event) {
    if (isEnabled()) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter p(this);
    p.setFont(font());
    drawEmbossedText(p, contentsRect(), static_cast<int>(alignment()), text());
}

TForm2::TForm2(QWidget* parent) : FrameHost(parent) {
    setCaption(u8("关于"));
    setResizable(true);
    useStoredSkin(TbsBorderIcons{});
    setClientSize(274, 325);
    QWidget* c = client();
    QPalette palette = c->palette();
    palette.setColor(QPalette::Window, toQColor(clBtnFace));
    c->setPalette(palette);
    QFont windowFont = fontWithPixelSize(u8("宋体"), 12);
    c->setFont(windowFont);

    const QColor windowText = toQColor(clWindowText);
    const QColor blue = toQColor(clBlue);
    QFont arial = fontWithPixelSize(QStringLiteral("Arial"), 13);
    arial.setUnderline(true);

    Label1 = addLabel(64, 72, 116, 29, QStringLiteral("Veyrin"), fontWithPixelSize(u8("黑体"), 29), windowText);
    Label2 = addLabel(184, 88, 42, 12, QStringLiteral("Ver.1.1"), windowFont, windowText);
    Label3 = addLabel(68, 54, 96, 12, u8("诗文：唐诗鉴赏"), windowFont, toQColor(0x004080));
    Label7 = addLabel(68, 123, 148, 16, makerAddress().toString(QUrl::RemoveScheme).mid(2), arial, blue);
    Label5 = addLabel(68, 142, 142, 16, QStringLiteral("veyrin@example.org"), arial, blue);
    Label6 = addLabel(68, 162, 89, 16, QStringLiteral("IRC #veyrin"), arial, blue);
    Label9 = addLabel(68, 182, 136, 16, u8("网友可随意传播"), arial, blue);
    Label8 = addLabel(69, 209, 90, 12, u8("版权所有 Veyrin"), windowFont, toQColor(clBlack));
    Label8->setEnabled(false);
    for (AboutLabel* link : {Label7, Label5, Label6, Label9}) makeLookLikeLink(link);

    suiButton3 = new TsuiButton(c);
    suiButton3->setGeometry(152, 248, 80, 27);
    suiButton3->setCaption(u8("确定"));
    suiButton3->setUIStyle(TsuiUIStyle::MacOS);
    suiButton3->setTransparent(true);

    connect(Label7, &AboutLabel::clicked, this, &TForm2::Label7Click);
    connect(suiButton3, &TsuiButton::clicked, this, &TForm2::suiButton3Click);
}

AboutLabel* TForm2::addLabel(int x, int y, int w, int h, const QString& text, const QFont& font, const QColor& colour) {
    auto* label = new AboutLabel(text, client());
    // As with auto-sized labels, a label is at least as tall as its font's cell. The design heights
    // come from faces whose cell is just their character height; a face with a taller cell (the
    // 黑体 title's) would otherwise lose its descenders at the label's bottom edge.
    label->setGeometry(x, y, w, std::max(h, QFontMetrics(font).height()));
    label->setFont(font);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, toQColor(kLabelBackground));
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

void TForm2::makeLookLikeLink(AboutLabel* label) { label->setCursor(Qt::PointingHandCursor); }

QUrl TForm2::makerAddress() { return QUrl(QStringLiteral("https://veyrin.example.org/")); }

void TForm2::installUrlOpener(UrlOpener opener) {
    urlOpener() = opener ? std::move(opener) : [](const QUrl& url) { QDesktopServices::openUrl(url); };
}

void TForm2::Label7Click() { urlOpener()(makerAddress()); }

void TForm2::suiButton3Click() { close(); }

void TForm2::open() {
    centreOnScreen();
    showModal();
}

}  // namespace veyrin

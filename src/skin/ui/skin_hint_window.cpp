#include "skin/ui/skin_hint_window.h"

#include <QBitmap>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <limits>

#include "platform/ui/qt_color.h"
#include "skin/model/skin_data.h"
#include "skin/ui/skin_font.h"
#include "skin/ui/skin_hint.h"
#include "skin/ui/skin_image.h"

namespace veyrin {
namespace {

// The look the framework's own hints have when no hint component is active.
const FontDescription& frameworkHintFont() {
    static const FontDescription font{"MS Sans Serif", -11, {}, clInfoText, kDefaultCharset};
    return font;
}

// The hint picture of `skin` at `index`, or null when the skin has none to offer.
const SkinBitmap* usablePicture(const TbsSkinData* skin, int index) {
    if (skin == nullptr || skin->empty() || index < 0) return nullptr;
    const std::vector<SkinBitmap>& pictures = skin->activePictures();
    if (index >= static_cast<int>(pictures.size()) || pictures[static_cast<std::size_t>(index)].isEmpty()) return nullptr;
    return &pictures[static_cast<std::size_t>(index)];
}

FrameRect screenRectAt(QPoint at) {
    QScreen* screen = QGuiApplication::screenAt(at);
    if (screen == nullptr) screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return {0, 0, std::numeric_limits<int>::max(), std::numeric_limits<int>::max()};
    QRect r = screen->geometry();
    return {r.left(), r.top(), r.right() + 1, r.bottom() + 1};
}

}  // namespace

TbsSkinHintWindow::TbsSkinHintWindow(QWidget* parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    takeCurrentLook();
}

void TbsSkinHintWindow::setColor(TColor color) {
    if (color == color_) return;
    color_ = color;
    update();
}

void TbsSkinHintWindow::takeCurrentLook() {
    const TbsSkinHint* component = TbsSkinHint::applicationHint();
    const TbsSkinData* skin = component != nullptr ? component->skinData() : nullptr;
    const SkinBitmap* picture =
        skin != nullptr ? usablePicture(skin, skin->hintWindow().windowPictureIndex) : nullptr;
    skin_ = picture != nullptr ? skin : nullptr;
    picture_ = picture != nullptr ? skinImage(*picture, skinScaleOf(*this), skin) : QImage();

    const FontDescription& fallback = component != nullptr ? component->defaultFont() : frameworkHintFont();
    if (skin_ != nullptr && component->useSkinFont()) {
        const TbsDataSkinHintWindow& hint = skin_->hintWindow();
        source_ = hintPictureSource(hint, picture->width, picture->height);
        font_ = skinFont(hint.fontName, hint.fontHeight, hint.fontStyle);
    } else {
        if (skin_ != nullptr) source_ = hintPictureSource(skin_->hintWindow(), picture->width, picture->height);
        font_ = skinFont(fallback);
    }
    textColor_ = skin_ != nullptr ? skin_->hintWindow().fontColor : clInfoText;
    setFont(font_);
}

QSize TbsSkinHintWindow::calcHintSize(const QString& text) {
    takeCurrentLook();
    // Lines break only where the text breaks them.
    QSize textSize = QFontMetrics(font_).size(Qt::TextExpandTabs, text);
    HintSize size = skin_ != nullptr ? skinnedHintSize(source_, textSize.width(), textSize.height())
                                     : plainHintSize(textSize.width(), textSize.height());
    return {size.width, size.height};
}

void TbsSkinHintWindow::activateHint(QPoint at, const QString& text) {
    text_ = text;
    QSize size = calcHintSize(text);
    if (skin_ != nullptr) geometry_ = scaledHintGeometry(source_, {size.width(), size.height()});
    FramePoint position = hintPosition({at.x(), at.y()}, {size.width(), size.height()}, screenRectAt(at));
    setGeometry(position.x, position.y, size.width(), size.height());
    applyShapeAndOpacity();
    show();
    update();
}

void TbsSkinHintWindow::applyShapeAndOpacity() {
    const TbsSkinHint* component = TbsSkinHint::applicationHint();
    bool blend = component != nullptr && component->alphaBlend();
    setWindowOpacity(blend ? component->alphaBlendValue() / 255.0 : 1.0);

    const SkinBitmap* mask = skin_ != nullptr ? usablePicture(skin_, skin_->hintWindow().maskPictureIndex) : nullptr;
    if (mask == nullptr) {
        clearMask();
        return;
    }
    CompositionSource maskSource = source_;
    maskSource.width = mask->width;
    maskSource.height = mask->height;
    QImage shape = composedPicture(toQImage(*mask), maskSource, size());
    setMask(QBitmap::fromImage(shape.createMaskFromColor(qRgb(0, 0, 0), Qt::MaskInColor)));
}

QRect TbsSkinHintWindow::scaledClientRect() const {
    if (skin_ == nullptr) return rect().adjusted(kPlainHintMargin, kPlainHintMargin, -kPlainHintMargin, -kPlainHintMargin);
    return toQRect(geometry_.clientRect);
}

void TbsSkinHintWindow::paintEvent(QPaintEvent*) {
    // Composed off-screen and copied in one step, so the hint never flickers while it grows.
    const int scale = skinScaleOf(*this);
    QImage buffer(size() * scale, QImage::Format_RGB32);
    buffer.setDevicePixelRatio(scale);
    {
        QPainter painter(&buffer);
        painter.setFont(font_);
        if (skin_ != nullptr) paintSkinned(painter);
        else paintPlain(painter);
    }
    QPainter(this).drawImage(0, 0, buffer);
}

void TbsSkinHintWindow::paintSkinned(QPainter& painter) {
    painter.drawImage(0, 0, composedPicture(picture_, source_, size()));
    painter.setPen(toQColor(textColor_));
    painter.drawText(scaledClientRect(), Qt::AlignCenter | Qt::TextExpandTabs, text_);
}

void TbsSkinHintWindow::paintPlain(QPainter& painter) {
    painter.fillRect(rect(), toQColor(color_));
    painter.setPen(toQColor(clBtnShadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.setPen(toQColor(textColor_));
    painter.drawText(scaledClientRect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextExpandTabs, text_);
}

}  // namespace veyrin

#include "skin/ui/frame_objects.h"

#include <QFontMetrics>
#include <QPainter>

#include "platform/ui/gbk_qt.h"
#include "platform/ui/qt_color.h"
#include "skin/model/morph_blend.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/skin_font.h"
#include "skin/ui/skin_image.h"

namespace veyrin {
namespace {

PixelBlock blockOf(const QImage& image) {
    PixelBlock block{image.width(), image.height(), {}};
    block.pixels.reserve(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) block.pixels.push_back(line[x] & 0xFFFFFFu);
    }
    return block;
}

QImage imageOf(const PixelBlock& block, qreal devicePixelRatio) {
    QImage image(block.width, block.height, QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    for (int y = 0; y < block.height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < block.width; ++x) line[x] = 0xFF000000u | block.at(x, y);
    }
    return image;
}

}  // namespace

// ---- TbsActiveSkinObject

TbsActiveSkinObject::TbsActiveSkinObject(TbsBusinessSkinForm& form, const TbsDataSkinObject& data)
    : form_(form),
      activePicture_(form.activePicture(data.activePictureIndex)),
      idName_(data.idName),
      hint_(gbkToQString(data.hint)),
      skinRect_(data.skinRect),
      activeRect_(data.activeSkinRect),
      inactiveRect_(data.inActiveSkinRect),
      objectRect_(toQRect(data.skinRect)),
      morphing_(data.morphing && !data.activeSkinRect.isAbsent() && activePicture_),
      morphKind_(data.morphKind),
      skinRectInAPicture_(data.skinRectInAPicture) {}

bool TbsActiveSkinObject::morphPending() const { return morphing_ && veyrin::morphPending(morphFactor_, hot_); }

void TbsActiveSkinObject::stepMorph() {
    if (!morphPending()) return;
    morphFactor_ = nextMorphFactor(morphFactor_, hot_);
    form_.redrawObject(*this);
}

void TbsActiveSkinObject::reset() {
    hot_ = false;
    mouseIn_ = false;
    morphFactor_ = 0;
}

void TbsActiveSkinObject::changed() {
    if (morphing_) {
        form_.startMorphTimer();
    } else {
        form_.redrawObject(*this);
    }
}

void TbsActiveSkinObject::draw(QPainter& painter, bool single) {
    if (morphPending()) {
        drawBlend(painter, normalLook(), activePictureLook(activeRect_));
    } else if (hot_ && !activeRect_.isAbsent()) {
        drawFromActivePicture(painter, activeRect_);
    } else if (!form_.windowActive() && !inactiveRect_.isAbsent()) {
        drawFromActivePicture(painter, inactiveRect_);
    } else if (single || skinRectInAPicture_) {
        painter.drawImage(objectRect_.topLeft(), normalLook());
    }
}

void TbsActiveSkinObject::mouseDown(int, int, Qt::MouseButton) {}
void TbsActiveSkinObject::mouseUp(int, int, Qt::MouseButton) {}

void TbsActiveSkinObject::mouseEnter() {
    mouseIn_ = true;
    hot_ = true;
    if (!activeRect_.isAbsent()) changed();
}

void TbsActiveSkinObject::mouseLeave() {
    mouseIn_ = false;
    hot_ = false;
    if (!activeRect_.isAbsent()) changed();
}

QImage TbsActiveSkinObject::activePictureLook(const FrameRect& source) const {
    if (!activePicture_ || source.isAbsent()) return {};
    return activePicture_->copy(skinSourceRect(*activePicture_, source));
}

QImage TbsActiveSkinObject::normalLook() const {
    if (skinRectInAPicture_) return activePictureLook(skinRect_);
    return form_.framePicture().copy(skinSourceRect(form_.framePicture(), skinRect_));
}

void TbsActiveSkinObject::drawFromActivePicture(QPainter& painter, const FrameRect& source) const {
    if (!activePicture_ || source.isAbsent()) return;
    painter.drawImage(objectRect_.topLeft(), *activePicture_, skinSourceRect(*activePicture_, source));
}

void TbsActiveSkinObject::drawBlend(QPainter& painter, const QImage& normal, const QImage& hot) const {
    if (normal.isNull() || hot.isNull()) return;
    QImage sameSizeHot = hot.size() == normal.size() ? hot : hot.scaled(normal.size());
    PixelBlock blended = blendMorph(morphKind_, blockOf(normal), blockOf(sameSizeHot), morphFactor_);
    painter.drawImage(objectRect_.topLeft(), imageOf(blended, normal.devicePixelRatio()));
}

// ---- TbsSkinButtonObject

TbsSkinButtonObject::TbsSkinButtonObject(TbsBusinessSkinForm& form, const TbsDataSkinButton& data)
    : TbsActiveSkinObject(form, data), disabledRect_(data.disableSkinRect), downRect_(data.downRect) {}

ButtonLookState TbsSkinButtonObject::lookState() const {
    ButtonLookState s;
    s.enabled = enabled_;
    s.windowActive = form_.windowActive();
    s.hot = hot_;
    s.down = down_;
    s.morphing = morphing_;
    s.morphFactor = morphFactor_;
    const bool picture = activePicture_ != nullptr;
    s.hasActiveRect = picture && !activeRect_.isAbsent();
    s.hasInactiveRect = picture && !inactiveRect_.isAbsent();
    s.hasDisabledRect = picture && !disabledRect_.isAbsent();
    s.hasDownRect = picture && !downRect_.isAbsent();
    s.hasRestoreRect = picture && !restoreRect_.isAbsent();
    s.hasRestoreActiveRect = picture && !restoreActiveRect_.isAbsent();
    s.hasRestoreDownRect = picture && !restoreDownRect_.isAbsent();
    return s;
}

void TbsSkinButtonObject::draw(QPainter& painter, bool single) { drawLook(painter, buttonLook(lookState()), single); }

void TbsSkinButtonObject::drawLook(QPainter& painter, ButtonLook look, bool single) const {
    switch (look) {
    case ButtonLook::Restore: drawFromActivePicture(painter, restoreRect_); break;
    case ButtonLook::RestoreHot: drawFromActivePicture(painter, restoreActiveRect_); break;
    case ButtonLook::RestoreDown: drawFromActivePicture(painter, restoreDownRect_); break;
    case ButtonLook::RestoreMorph:
        drawBlend(painter, activePictureLook(restoreRect_), activePictureLook(restoreActiveRect_));
        break;
    case ButtonLook::Disabled: drawFromActivePicture(painter, disabledRect_); break;
    case ButtonLook::Down: drawFromActivePicture(painter, downRect_); break;
    case ButtonLook::Inactive: drawFromActivePicture(painter, inactiveRect_); break;
    case ButtonLook::Morph: drawBlend(painter, normalLook(), activePictureLook(activeRect_)); break;
    case ButtonLook::Hot: drawFromActivePicture(painter, activeRect_); break;
    case ButtonLook::Normal:
        if (single || skinRectInAPicture_) painter.drawImage(objectRect_.topLeft(), normalLook());
        break;
    }
}

void TbsSkinButtonObject::mouseEnter() {
    if (!enabled_) return;
    TbsActiveSkinObject::mouseEnter();
}

void TbsSkinButtonObject::mouseLeave() { TbsActiveSkinObject::mouseLeave(); }

void TbsSkinButtonObject::setDown(bool down) {
    if (down_ == down) return;
    down_ = down;
    if (down_ && morphing_) morphFactor_ = 1;
    form_.redrawObject(*this);
}

void TbsSkinButtonObject::mouseDown(int, int, Qt::MouseButton button) {
    if (button != Qt::LeftButton || !enabled_ || down_) return;
    setDown(true);
}

void TbsSkinButtonObject::mouseUp(int, int, Qt::MouseButton button) {
    if (button != Qt::LeftButton || !down_ || heldDown()) return;
    down_ = false;
    if (hot_ && enabled_) {
        clicked();
    } else {
        form_.redrawObject(*this);
    }
}

// ---- TbsSkinStdButtonObject

TbsSkinStdButtonObject::TbsSkinStdButtonObject(TbsBusinessSkinForm& form, const TbsDataSkinStdButton& data)
    : TbsSkinButtonObject(form, data), command_(data.command) {
    restoreRect_ = data.restoreRect;
    restoreActiveRect_ = data.restoreActiveRect;
    restoreDownRect_ = data.restoreDownRect;
    restoreInactiveRect_ = data.restoreInActiveRect;
}

ButtonLookState TbsSkinStdButtonObject::lookState() const {
    ButtonLookState s = TbsSkinButtonObject::lookState();
    const TbsFrameState& state = form_.state();
    switch (command_) {
    case TbsStdCommand::cmMaximize: s.inRestoreState = state.windowState == TbsWindowState::wsMaximized; break;
    case TbsStdCommand::cmMinimize: s.inRestoreState = state.windowState == TbsWindowState::wsMinimized; break;
    case TbsStdCommand::cmRollUp: s.inRestoreState = state.rollUp; break;
    default: break;
    }
    return s;
}

void TbsSkinStdButtonObject::mouseDown(int x, int y, Qt::MouseButton button) {
    const bool wasDown = down_;
    TbsSkinButtonObject::mouseDown(x, y, button);
    if (!wasDown && down_ && command_ == TbsStdCommand::cmSysMenu) form_.runCommand(command_);
}

void TbsSkinStdButtonObject::clicked() {
    // The close button shows itself released before the window goes; other commands act first,
    // so the button is drawn in the state they leave behind.
    if (command_ == TbsStdCommand::cmSysMenu) {
        form_.redrawObject(*this);
        return;
    }
    if (command_ == TbsStdCommand::cmClose) {
        form_.redrawObject(*this);
        form_.runCommand(command_);
        return;
    }
    form_.runCommand(command_);
    form_.redrawObject(*this);
}

bool TbsSkinStdButtonObject::heldDown() const { return command_ == TbsStdCommand::cmSysMenu && form_.sysMenuButtonHeld(); }

void TbsSkinStdButtonObject::dblClick() {
    if (command_ == TbsStdCommand::cmSysMenu) form_.runCommand(TbsStdCommand::cmClose);
}

// ---- TbsSkinCaptionObject

TbsSkinCaptionObject::TbsSkinCaptionObject(TbsBusinessSkinForm& form, const TbsDataSkinCaption& data)
    : TbsActiveSkinObject(form, data), data_(data) {}

void TbsSkinCaptionObject::setActive(bool active) {
    if (active_ == active) return;
    active_ = active;
    hot_ = active;
    if (morphing_) form_.startMorphTimer();
}

QFont TbsSkinCaptionObject::captionFont() const {
    if (!captionFont_) captionFont_ = skinFont(data_.fontName, data_.fontHeight, data_.fontStyle);
    return *captionFont_;
}

QRect TbsSkinCaptionObject::textRect() const {
    FrameRect r = data_.textRect;
    r.right += objectRect_.width() - skinRect_.width();
    return toQRect(r);
}

QString TbsSkinCaptionObject::shownText() const {
    const QString text = form_.caption();
    const QFontMetrics metrics(captionFont());
    const QString dots = QStringLiteral("...");
    const int kept = captionCharactersThatFit(static_cast<int>(text.size()), textRect().width(), [&](int n, bool withDots) {
        return metrics.horizontalAdvance(text.left(n) + (withDots ? dots : QString()));
    });
    return kept == text.size() ? text : text.left(kept) + dots;
}

void TbsSkinCaptionObject::draw(QPainter& painter, bool single) {
    TbsActiveSkinObject::draw(painter, single);
    if (form_.caption().isEmpty() || data_.textRect.isAbsent()) return;
    const QString text = shownText();
    const QFont font = captionFont();
    const QFontMetrics metrics(font);
    const QRect r = textRect();
    const FramePoint origin = captionTextOrigin({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()}, data_.alignment,
                                                metrics.horizontalAdvance(text), metrics.height(),
                                                {objectRect_.left(), objectRect_.top()});
    const QRect textBox(origin.x, origin.y, metrics.horizontalAdvance(text), metrics.height());
    const FrameRect& frameRect = active_ && !data_.activeFrameRect.isAbsent() ? data_.activeFrameRect : data_.frameRect;
    if (!frameRect.isAbsent() && activePicture_) {
        painter.drawImage(textBox, *activePicture_, skinSourceRect(*activePicture_, frameRect));
    }
    painter.save();
    painter.setFont(font);
    painter.setClipRect(objectRect_, Qt::IntersectClip);
    if (data_.shadow) {
        painter.setPen(toQColor(active_ ? data_.activeShadowColor : data_.shadowColor));
        painter.drawText(textBox.translated(1, 1), Qt::AlignLeft | Qt::AlignTop, text);
    }
    painter.setPen(toQColor(active_ ? data_.activeFontColor : data_.fontColor));
    painter.drawText(textBox, Qt::AlignLeft | Qt::AlignTop, text);
    painter.restore();
}

// ---- TbsSkinAnimateObject

TbsSkinAnimateObject::TbsSkinAnimateObject(TbsBusinessSkinForm& form, const TbsDataSkinAnimate& data)
    : TbsActiveSkinObject(form, data), command_(data.command) {
    morphing_ = false;
}

}  // namespace veyrin

#include "skin/ui/business_skin_form.h"

#include <QCursor>
#include <QPainter>

#include "skin/model/frame_object_rules.h"
#include "skin/model/inactive_effect.h"
#include "skin/model/skin_hit_test.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/object_hint.h"
#include "skin/ui/skin_notice_router.h"
#include "skin/ui/skin_image.h"

namespace veyrin {
namespace {

constexpr std::array<FrameStrip, 4> kStrips = {FrameStrip::Top, FrameStrip::Left, FrameStrip::Right, FrameStrip::Bottom};

std::unique_ptr<TbsActiveSkinObject> makeObject(TbsBusinessSkinForm& form, const TbsDataSkinObject& d) {
    switch (d.kind) {
    case SkinObjectKind::StdButton: return std::make_unique<TbsSkinStdButtonObject>(form, static_cast<const TbsDataSkinStdButton&>(d));
    case SkinObjectKind::Button: return std::make_unique<TbsSkinButtonObject>(form, static_cast<const TbsDataSkinButton&>(d));
    case SkinObjectKind::Caption: return std::make_unique<TbsSkinCaptionObject>(form, static_cast<const TbsDataSkinCaption&>(d));
    case SkinObjectKind::Animate: return std::make_unique<TbsSkinAnimateObject>(form, static_cast<const TbsDataSkinAnimate&>(d));
    case SkinObjectKind::UserObject: return std::make_unique<TbsUserObject>(form, static_cast<const TbsDataUserObject&>(d));
    default: return nullptr;
    }
}

// The command of a caption button or an animated object; nothing for other objects.
std::optional<TbsStdCommand> commandOf(const TbsActiveSkinObject& object) {
    if (auto* button = dynamic_cast<const TbsSkinStdButtonObject*>(&object)) return button->command();
    if (auto* animate = dynamic_cast<const TbsSkinAnimateObject*>(&object)) return animate->command();
    return std::nullopt;
}

bool isCaption(const TbsActiveSkinObject& object) { return dynamic_cast<const TbsSkinCaptionObject*>(&object) != nullptr; }

}  // namespace

TbsBusinessSkinForm::TbsBusinessSkinForm(FrameHost& host) : QObject(&host), host_(host) {
    mouseTimer_.setInterval(kMouseTimerInterval);
    morphTimer_.setInterval(kMorphTimerInterval);
    animationTimer_.setInterval(25);
    connect(&mouseTimer_, &QTimer::timeout, this, &TbsBusinessSkinForm::mouseTimerTick);
    connect(&morphTimer_, &QTimer::timeout, this, &TbsBusinessSkinForm::morphTimerTick);
    SkinNoticeRouter::instance().add(this);
}

TbsBusinessSkinForm::~TbsBusinessSkinForm() {
    SkinNoticeRouter::instance().remove(this);
    mouseTimer_.stop();
    morphTimer_.stop();
    animationTimer_.stop();
}

// ---- attaching a skin

void TbsBusinessSkinForm::setSkinData(const TbsSkinData* data) {
    skinData_ = data;
    if (data && !data->empty()) {
        attachSkin(frameSkinOf(*data));
    } else {
        detachSkin();
    }
}

void TbsBusinessSkinForm::skinNotice(SkinNotice notice, const TbsSkinData& sender) {
    switch (notice) {
    case kSkinChangingNotice:
        if (&sender == skinData_) detachSkin();
        break;
    case kSkinChangedNotice:
        if (&sender == skinData_) setSkinData(skinData_);
        break;
    case kLocalizedTextsChangedNotice: applyObjectHints(); break;
    case kCloseSkinMenusNotice:
        if (hooks.closeSkinMenus) hooks.closeSkinMenus();
        break;
    case kSkinChangedSecondNotice: break;
    }
}

void TbsBusinessSkinForm::attachSkin(const FrameSkin& skin) {
    hotIndex_ = oldHotIndex_ = captureIndex_ = -1;
    skin_ = skin;
    skinSupport_ = skin.usable();
    objects_.clear();
    if (!skinSupport_) {
        detachSkin();
        return;
    }
    scale_ = skinScaleOf(host_);
    activePictures_.clear();
    takePictures();
    stripsSize_ = QSize();
    buildObjects();
    applyButtonAvailability();
    applyObjectHints();
    enforceMinimumSize();
    relayout();
    if (TbsSkinCaptionObject* caption = captionObject()) caption->setActive(windowActive());
    mouseTimer_.start();
    emit skinDataChanged();
    if (ClientWidth > 0 || ClientHeight > 0) {
        FrameSize size = windowSizeForClient(ClientWidth > 0 ? ClientWidth : host_.clientRectInWindow().width(),
                                             ClientHeight > 0 ? ClientHeight : host_.clientRectInWindow().height());
        host_.resize(size.width, size.height);
    }
}

void TbsBusinessSkinForm::detachSkin() {
    mouseTimer_.stop();
    morphTimer_.stop();
    animationTimer_.stop();
    hotIndex_ = oldHotIndex_ = captureIndex_ = -1;
    objects_.clear();
    skinSupport_ = false;
    skin_ = FrameSkin();
    shape_.reset();
    for (QImage& strip : strips_) strip = QImage();
    stripsSize_ = QSize();
    host_.setFrameShape(QRegion());
    host_.frameLookChanged();
}

void TbsBusinessSkinForm::buildObjects() {
    for (const TbsDataSkinObject* description : frameObjectDescriptions(skin_.objects)) {
        if (auto object = makeObject(*this, *description)) objects_.push_back(std::move(object));
    }
}

void TbsBusinessSkinForm::applyButtonAvailability() {
    for (auto& object : objects_) {
        std::optional<TbsStdCommand> command = commandOf(*object);
        if (!command) continue;
        const bool custom = *command == TbsStdCommand::cmDefault && hooks.activateCustomObject && hooks.activateCustomObject(*object);
        ObjectAvailability a = buttonAvailability(*command, borderIcons_, hideCaptionButtons_, object->skinRectInAPicture(), custom);
        object->setEnabled(a.enabled);
        object->setVisible(a.visible);
    }
}

void TbsBusinessSkinForm::applyObjectHints() {
    if (!useDefaultObjectHint_) return;
    for (auto& object : objects_) {
        std::optional<TbsStdCommand> command = commandOf(*object);
        if (!command || *command == TbsStdCommand::cmDefault) continue;
        object->setHint(QString::fromStdString(defaultObjectHint(*command)));
    }
}

void TbsBusinessSkinForm::setBorderIcons(TbsBorderIcons icons) {
    if (borderIcons_ == icons) return;
    borderIcons_ = icons;
    applyButtonAvailability();
    host_.update();
}

void TbsBusinessSkinForm::setHideCaptionButtons(bool hide) {
    if (hideCaptionButtons_ == hide) return;
    hideCaptionButtons_ = hide;
    applyButtonAvailability();
    host_.update();
}

void TbsBusinessSkinForm::setUseDefaultObjectHint(bool use) {
    useDefaultObjectHint_ = use;
    applyObjectHints();
}

// ---- geometry

FrameSize TbsBusinessSkinForm::windowSizeForClient(int clientWidth, int clientHeight) const {
    return skin_.layout().windowSizeForClient(clientWidth, clientHeight);
}

FrameSize TbsBusinessSkinForm::minimumFrameSize() const {
    FrameLimits limits{MinWidth, MinHeight, state_->windowState == TbsWindowState::wsMinimized, state_->rollUp};
    if (!skinSupport_) return builtInMinimumFrameSize(host_.frame().captionHeight(), limits);
    return skinMinimumFrameSize(skin_.layout(), limits);
}

void TbsBusinessSkinForm::enforceMinimumSize() {
    const FrameSize min = minimumFrameSize();
    int w = host_.width(), h = host_.height();
    if (state_->rolledUpOrMinimised()) h = min.height;
    if (state_->windowState == TbsWindowState::wsMinimized) w = min.width;
    w = std::max(w, min.width);
    h = std::max(h, min.height);
    if (w != host_.width() || h != host_.height()) host_.resize(w, h);
}

void TbsBusinessSkinForm::frameResized() {
    if (!skinSupport_) return;
    relayout();
}

void TbsBusinessSkinForm::relayout() {
    geometry_ = skinFrameGeometry(skin_.layout(), host_.width(), host_.height());
    placeObjects();
    rebuildShape();
    // Never re-lay the client or ask for another paint from inside a paint.
    if (!painting_) host_.frameLookChanged();
}

void TbsBusinessSkinForm::placeObjects() {
    const SkinFrameLayout layout = skin_.layout();
    for (auto& object : objects_) object->setObjectRect(toQRect(placeFrameObject(layout, geometry_, object->skinRect())));
}

void TbsBusinessSkinForm::rebuildShape() {
    if (!skin_.hasMask()) {
        shape_.reset();
        host_.setFrameShape(QRegion());
        return;
    }
    shape_.emplace(*skin_.mask, skin_.composition(), geometry_.maskRectArea, host_.width(), host_.height());
    QRegion region(toQRect(geometry_.maskRectArea));
    std::vector<QRect> runs;
    runs.reserve(shape_->runs().size());
    for (const FrameRect& run : shape_->runs()) runs.push_back(toQRect(run));
    QRegion strips;
    strips.setRects(runs.data(), static_cast<int>(runs.size()));
    host_.setFrameShape(region.united(strips));
}

void TbsBusinessSkinForm::syncToHostSize() {
    if (skinSupport_ && (geometry_.width != host_.width() || geometry_.height != host_.height())) relayout();
}

FrameRect TbsBusinessSkinForm::clientRect() {
    syncToHostSize();
    return geometry_.clientRect;
}

FrameHit TbsBusinessSkinForm::hitTest(const QPoint& p) {
    syncToHostSize();
    SkinHitContext c;
    c.geometry = &geometry_;
    c.shape = shape_ ? &*shape_ : nullptr;
    for (const auto& object : objects_) {
        if (isCaption(*object)) {
            const QRect& r = object->objectRect();
            c.captionObjects.push_back({r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
        }
    }
    c.borderWidth = skin_.formInfo.borderWidth;
    c.resizable = host_.isResizable();
    c.maximisedByFrame = state_->windowState == TbsWindowState::wsMaximized;
    c.rolledUpOrMinimised = state_->rolledUpOrMinimised();
    c.objectHot = hotIndex_ >= 0;
    c.moveSizeLoop = sizeMove_;
    return skinHitTest(c, p.x(), p.y());
}

TbsActiveSkinObject* TbsBusinessSkinForm::findObject(TbsStdCommand command) const {
    for (const auto& object : objects_) {
        if (commandOf(*object) == command) return object.get();
    }
    return nullptr;
}

TbsSkinStdButtonObject* TbsBusinessSkinForm::sysMenuButton() const {
    return dynamic_cast<TbsSkinStdButtonObject*>(findObject(TbsStdCommand::cmSysMenu));
}

void TbsBusinessSkinForm::setSysMenuButtonHeld(bool held) {
    sysMenuHeld_ = held;
    TbsSkinStdButtonObject* button = sysMenuButton();
    if (button) button->setDown(held);
    // The open menu took the release that would have ended the press on the button, so the press
    // ends with the menu: otherwise no other caption button could become hot until the next click.
    if (!held && captureIndex_ >= 0 && objects_[static_cast<std::size_t>(captureIndex_)].get() == button) {
        captureIndex_ = -1;
        setHot(-1);
    }
}

TbsSkinCaptionObject* TbsBusinessSkinForm::captionObject() const {
    for (const auto& object : objects_) {
        if (auto* caption = dynamic_cast<TbsSkinCaptionObject*>(object.get())) return caption;
    }
    return nullptr;
}

// ---- painting

bool TbsBusinessSkinForm::windowActive() const { return host_.isActiveWindow(); }

const QImage& TbsBusinessSkinForm::framePicture() const {
    return !windowActive() && !inactivePicture_.isNull() ? inactivePicture_ : picture_;
}

const QImage* TbsBusinessSkinForm::activePicture(int index) const {
    if (index < 0 || index >= static_cast<int>(activePictures_.size())) return nullptr;
    return &activePictures_[static_cast<std::size_t>(index)];
}

QString TbsBusinessSkinForm::caption() const { return host_.caption(); }

void TbsBusinessSkinForm::takePictures() {
    picture_ = skinImage(*skin_.picture, scale_, skinData_);
    inactivePicture_ = skin_.inactivePicture ? skinImage(*skin_.inactivePicture, scale_, skinData_) : QImage();
    const std::size_t count = skin_.activePictures ? skin_.activePictures->size() : 0;
    activePictures_.resize(count);
    for (std::size_t i = 0; i < count; ++i) activePictures_[i] = skinImage((*skin_.activePictures)[i], scale_, skinData_);
}

void TbsBusinessSkinForm::followHostScale() {
    const int scale = skinScaleOf(host_);
    if (!skinSupport_ || scale == scale_) return;
    scale_ = scale;
    takePictures();
    stripsSize_ = QSize();
}

void TbsBusinessSkinForm::composeStrips() {
    const bool inactive = &framePicture() == &inactivePicture_;
    if (stripsSize_ == host_.size() && stripsInactive_ == inactive) return;
    stripsSize_ = host_.size();
    stripsInactive_ = inactive;
    const CompositionSource source = skin_.composition();
    for (std::size_t i = 0; i < kStrips.size(); ++i) {
        const FrameRect area = stripRect(source, kStrips[i], host_.width(), host_.height());
        stripRects_[i] = toQRect(area);
        if (area.isAbsent()) {
            strips_[i] = QImage();
            continue;
        }
        strips_[i] = QImage(stripRects_[i].size() * scale_, QImage::Format_RGB32);
        strips_[i].setDevicePixelRatio(scale_);
        strips_[i].fill(Qt::black);
        QPainter painter(&strips_[i]);
        drawPictureCopies(painter, framePicture(), stripCopies(source, kStrips[i], host_.width(), host_.height()),
                          -stripRects_[i].topLeft());
    }
}

void TbsBusinessSkinForm::paintFrame(QPainter& painter) {
    const FrameSize min = minimumFrameSize();
    if (host_.width() < min.width || host_.height() < min.height) return;
    painting_ = true;
    syncToHostSize();
    painting_ = false;
    followHostScale();
    composeStrips();
    painter.save();
    painter.setClipRegion(QRegion(host_.rect()).subtracted(toQRect(geometry_.clientRect)), Qt::IntersectClip);
    if (rendersInactiveLook()) {
        for (std::size_t i = 0; i < strips_.size(); ++i) {
            if (!strips_[i].isNull()) painter.drawImage(stripRects_[i].topLeft(), inactiveStrip(i));
        }
    } else {
        for (std::size_t i = 0; i < strips_.size(); ++i) {
            if (!strips_[i].isNull()) painter.drawImage(stripRects_[i].topLeft(), strips_[i]);
        }
        drawVisibleObjects(painter);
    }
    painter.restore();
}

bool TbsBusinessSkinForm::rendersInactiveLook() const {
    return !windowActive() && skin_.formInfo.autoRenderingInactiveImage;
}

void TbsBusinessSkinForm::drawVisibleObjects(QPainter& painter) {
    for (const auto& object : objects_) {
        if (object->visible()) object->draw(painter, false);
    }
}

// The effect covers the objects too, so they are drawn onto a copy of the strip before it.
QImage TbsBusinessSkinForm::inactiveStrip(std::size_t index) {
    QImage strip = strips_[index].copy();
    {
        QPainter painter(&strip);
        painter.translate(-stripRects_[index].topLeft());
        drawVisibleObjects(painter);
    }
    applyInactiveEffect({reinterpret_cast<std::uint32_t*>(strip.bits()), strip.width(), strip.height(),
                         static_cast<std::size_t>(strip.bytesPerLine()) / sizeof(std::uint32_t)},
                        skin_.formInfo.inactiveEffect);
    return strip;
}

void TbsBusinessSkinForm::paintClientBackground(QPainter& painter, const QRect& clientArea) {
    followHostScale();
    // A background picture index that names no picture leaves the frame picture's client tile.
    if (const QImage* background = activePicture(skin_.formInfo.bgPictureIndex); background && !background->isNull()) {
        painter.drawTiledPixmap(clientArea, QPixmap::fromImage(*background));
        return;
    }
    const FrameRect& cl = skin_.formInfo.clientRect;
    if (cl.isAbsent()) {
        painter.fillRect(clientArea, host_.palette().button());
        return;
    }
    painter.drawTiledPixmap(clientArea, QPixmap::fromImage(picture_.copy(skinSourceRect(picture_, cl))));
}

void TbsBusinessSkinForm::redrawObject(const TbsActiveSkinObject& object) { host_.update(object.objectRect()); }

void TbsBusinessSkinForm::startMorphTimer() {
    if (!morphTimer_.isActive()) morphTimer_.start();
}

void TbsBusinessSkinForm::morphTimerTick() {
    bool pending = false;
    for (auto& object : objects_) {
        if (!object->morphPending()) continue;
        object->stepMorph();
        pending = pending || object->morphPending();
    }
    if (!pending) morphTimer_.stop();
}

// ---- activation, caption

void TbsBusinessSkinForm::activationChanged(bool active) {
    if (!skinSupport_) return;
    hideHintAndMenus();
    // The activation a press asked for can arrive before its release; that press goes on.
    if (captureIndex_ < 0) {
        resetObjectsExceptCaption();
        hotIndex_ = oldHotIndex_ = -1;
    }
    if (TbsSkinCaptionObject* caption = captionObject()) caption->setActive(active);
    host_.update();
}

void TbsBusinessSkinForm::captionTextChanged() {
    if (TbsSkinCaptionObject* caption = captionObject()) host_.update(caption->objectRect());
}

void TbsBusinessSkinForm::resetObjectsExceptCaption() {
    for (auto& object : objects_) {
        if (!isCaption(*object)) object->reset();
    }
}

// ---- mouse

void TbsBusinessSkinForm::setHot(int index) {
    if (index == hotIndex_) return;
    oldHotIndex_ = hotIndex_;
    hotIndex_ = index;
    if (oldHotIndex_ >= 0) {
        objects_[static_cast<std::size_t>(oldHotIndex_)]->mouseLeave();
        if (showObjectHint_ && hint_) hint_->hideHint();
    }
    if (hotIndex_ >= 0) {
        TbsActiveSkinObject& object = *objects_[static_cast<std::size_t>(hotIndex_)];
        object.mouseEnter();
        if (showObjectHint_ && hint_ && !object.hint().isEmpty()) hint_->showTextHint(object.hint());
    }
}

void TbsBusinessSkinForm::trackHot(const QPoint& p, bool pressing) {
    // A press activates the window first, as a click on any window frame does; the platform may
    // report the activation only later, so the press is tracked at once.
    if (!windowActive() && !pressing && captureIndex_ < 0) return;
    int found = -1;
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        const TbsActiveSkinObject& object = *objects_[i];
        if (!object.visible() || !object.enabled() || isCaption(object)) continue;
        if (captureIndex_ >= 0 && static_cast<int>(i) != captureIndex_) continue;
        if (object.objectRect().contains(p)) {
            found = static_cast<int>(i);
            break;
        }
    }
    setHot(found);
}

QPoint TbsBusinessSkinForm::cursorInWindow() const { return host_.mapFromGlobal(QCursor::pos()); }

void TbsBusinessSkinForm::mouseTimerTick() {
    if (!skinSupport_ || !windowActive()) return;
    const QPoint p = cursorInWindow();
    if (toQRect(geometry_.clientRect).contains(p)) {
        if (captureIndex_ < 0) setHot(-1);
    } else {
        trackHot(p);
    }
}

void TbsBusinessSkinForm::mouseMoveOnFrame(const QPoint& p) {
    if (!skinSupport_) return;
    if (hitTest(p) == FrameHit::Object || captureIndex_ >= 0 || hotIndex_ >= 0) {
        trackHot(p);
        if (!mouseTimer_.isActive() && !sizeMove_) mouseTimer_.start();
    }
    if (hotIndex_ >= 0) objects_[static_cast<std::size_t>(hotIndex_)]->mouseMove(p.x(), p.y());
}

bool TbsBusinessSkinForm::mousePressOnFrame(const QPoint& p, Qt::MouseButton button, const QPoint& globalPos, quint64 time) {
    if (!skinSupport_) return false;
    pressTime_ = time;
    hideHintAndMenus();
    if (toQRect(geometry_.clientRect).contains(p)) return false;
    if (!windowActive()) host_.activateWindow();
    trackHot(p, true);
    if (hotIndex_ >= 0) {
        captureIndex_ = hotIndex_;
        objects_[static_cast<std::size_t>(hotIndex_)]->mouseDown(p.x(), p.y(), button);
        return true;
    }
    if (button == Qt::RightButton && hitTest(p) == FrameHit::Caption) {
        if (hooks.captionRightClick) hooks.captionRightClick(globalPos);
        return true;
    }
    return false;
}

bool TbsBusinessSkinForm::mouseReleaseOnFrame(const QPoint& p, Qt::MouseButton button) {
    if (!skinSupport_ || captureIndex_ < 0) return false;
    const int index = captureIndex_;
    trackHot(p);
    captureIndex_ = -1;
    objects_[static_cast<std::size_t>(index)]->mouseUp(p.x(), p.y(), button);
    return true;
}

void TbsBusinessSkinForm::mouseDoubleClickOnFrame(const QPoint& p) {
    if (!skinSupport_) return;
    trackHot(p, true);
    if (hotIndex_ >= 0) {
        objects_[static_cast<std::size_t>(hotIndex_)]->dblClick();
        return;
    }
    if (hitTest(p) == FrameHit::Caption && hooks.captionDoubleClick) hooks.captionDoubleClick();
}

void TbsBusinessSkinForm::mouseLeftWindow() {
    if (captureIndex_ < 0) setHot(-1);
}

void TbsBusinessSkinForm::enterSizeMove() {
    hideHintAndMenus();
    resetObjectsExceptCaption();
    mouseTimer_.stop();
    hotIndex_ = captureIndex_ = -1;
    sizeMove_ = true;
}

void TbsBusinessSkinForm::exitSizeMove() {
    mouseTimer_.stop();
    hotIndex_ = oldHotIndex_ = captureIndex_ = -1;
    sizeMove_ = false;
    if (skinSupport_) host_.update();
}

void TbsBusinessSkinForm::hideHintAndMenus() {
    if (hint_) hint_->hideHint();
    if (hooks.closeSkinMenus) hooks.closeSkinMenus();
}

// ---- commands

void TbsBusinessSkinForm::runCommand(TbsStdCommand command) {
    auto call = [](const std::function<void()>& hook) {
        if (hook) hook();
    };
    switch (command) {
    case TbsStdCommand::cmClose: host_.close(); break;
    case TbsStdCommand::cmMinimize: call(hooks.minimize); break;
    case TbsStdCommand::cmMaximize: call(hooks.maximize); break;
    case TbsStdCommand::cmRollUp: call(hooks.rollUp); break;
    case TbsStdCommand::cmMinimizeToTray: call(hooks.minimizeToTray); break;
    case TbsStdCommand::cmSysMenu:
        if (TbsSkinStdButtonObject* button = sysMenuButton(); button && hooks.openSystemMenuUnder) {
            QRect r = button->objectRect();
            hooks.openSystemMenuUnder(QRect(host_.mapToGlobal(r.topLeft()), r.size()), pressTime_);
        }
        break;
    case TbsStdCommand::cmDefault: break;
    }
}

}  // namespace veyrin

#include "skin/ui/skin_system_menu.h"

#include <QApplication>
#include <QKeySequence>
#include <QShortcut>
#include <QWidget>

#include "skin/ui/frame_rect_qt.h"
#include "skin/ui/skin_menu.h"
#include "skin/ui/skin_popup_menu.h"

namespace veyrin {

SkinSystemMenu::SkinSystemMenu(QWidget* window) : QObject(window), window_(window) {
    engine_ = TbsSkinMenu::ofWindow(window);
    if (engine_ == nullptr) engine_ = new TbsSkinMenu(window);
    connect(engine_, &TbsSkinMenu::menuClosed, this, [this] {
        opener_.reset();
        emit closed();
    });
    connect(engine_, &TbsSkinMenu::pressedOutside, this, &SkinSystemMenu::pressedOutside);
    auto* closeKey = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), window);
    closeKey->setContext(Qt::WindowShortcut);
    connect(closeKey, &QShortcut::activated, this, [this] { runCommand(MenuCommand::Close); });
}

std::vector<TbsMenuItem> SkinSystemMenu::currentItems() {
    SystemMenuFrameState state = stateProvider_ ? stateProvider_() : SystemMenuFrameState{};
    if (systemMenu_ == nullptr) return builtInSystemMenu(state, captions_);
    if (!useDefaultSysMenu_) return systemMenu_->items();
    rebuildSystemMenu(systemMenu_->items(), state, captions_);
    return systemMenu_->items();
}

void SkinSystemMenu::runCommand(MenuCommand command) {
    if (commandRunner_) {
        commandRunner_(command);
        return;
    }
    if (command == MenuCommand::Close && window_) window_->close();
}

void SkinSystemMenu::runItem(const TbsMenuItem& item) {
    if (item.command != MenuCommand::Custom) runCommand(item.command);
    else if (systemMenu_) emit systemMenu_->itemTriggered(item);
}

void SkinSystemMenu::prepare() {
    engine_->applyFrameSettings();
    if (beforeOpening_) beforeOpening_();
    if (systemMenu_) emit systemMenu_->aboutToPopup();
}

bool SkinSystemMenu::openUnder(const QRect& buttonScreenRect, quint64 pressTime) {
    prepare();
    QPointer<SkinSystemMenu> self(this);
    const bool opened = engine_->popupUnder(buttonScreenRect, currentItems(), [self](const TbsMenuItem& item) {
        if (self) self->runItem(item);
    });
    if (opened) opener_ = MenuOpener{toFrameRect(buttonScreenRect), pressTime};
    return opened;
}

void SkinSystemMenu::pressedOutside(const QPoint& global, quint64 time) {
    if (!opener_ || !isSecondClickOnOpener(*opener_, global.x(), global.y(), time, QApplication::doubleClickInterval()))
        return;
    opener_.reset();
    emit openerDoubleClicked(global);
}

bool SkinSystemMenu::openAt(const QPoint& screenPoint) {
    prepare();
    QPointer<SkinSystemMenu> self(this);
    return engine_->popupAt(screenPoint, currentItems(), [self](const TbsMenuItem& item) {
        if (self) self->runItem(item);
    });
}

}  // namespace veyrin

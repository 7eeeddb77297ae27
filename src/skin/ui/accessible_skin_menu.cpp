#include "skin/ui/accessible_skin_menu.h"

#include <QWindow>

#include "controls/ui/accessible_controls.h"
#include "skin/model/menu_item.h"
#include "skin/ui/skin_menu.h"
#include "skin/ui/skin_popup_window.h"

namespace veyrin {

void notifyMenuItemFocus(TbsSkinPopupWindow* level, int index) {
    if (!QAccessible::isActive() || index < 0) return;
    QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(level);
    QAccessibleInterface* item = menu != nullptr ? menu->child(index) : nullptr;
    if (item == nullptr) return;
    QAccessibleEvent event(item, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

AccessibleSkinMenuItem::AccessibleSkinMenuItem(TbsSkinPopupWindow* level, int index) : level_(level), index_(index) {}

bool AccessibleSkinMenuItem::isValid() const {
    return level_ && index_ < static_cast<int>(level_->items().size());
}

QWindow* AccessibleSkinMenuItem::window() const { return level_ ? level_->windowHandle() : nullptr; }

QAccessibleInterface* AccessibleSkinMenuItem::parent() const {
    return level_ ? QAccessible::queryAccessibleInterface(level_.data()) : nullptr;
}

QString AccessibleSkinMenuItem::text(QAccessible::Text t) const {
    if (!isValid()) return {};
    const TbsMenuItem& item = level_->items()[static_cast<std::size_t>(index_)];
    // Menu texts are held in UTF-8, as they are drawn.
    if (t == QAccessible::Name && !item.isSeparator()) return accessibleCaption(QString::fromStdString(item.caption));
    if (t == QAccessible::Accelerator) return QString::fromStdString(item.shortCut);
    return {};
}

QRect AccessibleSkinMenuItem::rect() const { return isValid() ? level_->itemScreenRect(index_) : QRect(); }

QAccessible::Role AccessibleSkinMenuItem::role() const {
    if (!isValid()) return QAccessible::MenuItem;
    return level_->items()[static_cast<std::size_t>(index_)].isSeparator() ? QAccessible::Separator
                                                                           : QAccessible::MenuItem;
}

QAccessible::State AccessibleSkinMenuItem::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const TbsMenuItem& item = level_->items()[static_cast<std::size_t>(index_)];
    s.disabled = !item.enabled;
    s.invisible = !item.visible || rect().isEmpty();
    s.checkable = item.checked;
    s.checked = item.checked;
    s.hasPopup = item.hasSubmenu();
    s.focusable = item.isSelectable();
    s.focused = s.hotTracked = level_->highlighted() == index_;
    return s;
}

QStringList AccessibleSkinMenuItem::actionNames() const {
    if (!isValid() || !level_->items()[static_cast<std::size_t>(index_)].isSelectable()) return {};
    return {pressAction()};
}

// Runs the item exactly as a click on it does: the menu engine decides what a press and a
// release on that spot mean (open the submenu, or close the menus and run the item).
void AccessibleSkinMenuItem::doAction(const QString& actionName) {
    if (actionName != pressAction() || actionNames().isEmpty()) return;
    level_->setHighlighted(index_);
    const QPoint centre = level_->itemScreenRect(index_).center();
    TbsSkinMenu& engine = level_->engine();
    engine.pointerPressed(centre, 0);  // on the item, so no double click can hang on its time
    engine.pointerReleased(centre);
}

AccessibleSkinMenuLevel::AccessibleSkinMenuLevel(TbsSkinPopupWindow* level)
    : QAccessibleWidget(level, QAccessible::PopupMenu) {}

AccessibleSkinMenuLevel::~AccessibleSkinMenuLevel() {
    for (QAccessible::Id id : itemIds_) QAccessible::deleteAccessibleInterface(id);
}

TbsSkinPopupWindow* AccessibleSkinMenuLevel::level() const { return static_cast<TbsSkinPopupWindow*>(widget()); }

int AccessibleSkinMenuLevel::childCount() const { return static_cast<int>(level()->items().size()); }

QAccessibleInterface* AccessibleSkinMenuLevel::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    while (static_cast<int>(itemIds_.size()) <= index) {
        const int next = static_cast<int>(itemIds_.size());
        itemIds_.push_back(QAccessible::registerAccessibleInterface(new AccessibleSkinMenuItem(level(), next)));
    }
    return QAccessible::accessibleInterface(itemIds_[static_cast<std::size_t>(index)]);
}

int AccessibleSkinMenuLevel::indexOfChild(const QAccessibleInterface* child) const {
    const auto* item = dynamic_cast<const AccessibleSkinMenuItem*>(child);
    return item != nullptr && item->parent() == this ? item->index() : -1;
}

QAccessibleInterface* AccessibleSkinMenuLevel::focusChild() const {
    return level()->highlighted() >= 0 ? child(level()->highlighted()) : nullptr;
}

}  // namespace veyrin

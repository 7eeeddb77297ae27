#include "skin/ui/skin_popup_menu.h"

#include <QWidget>

#include "skin/ui/skin_menu.h"

namespace veyrin {

TbsSkinPopupMenu::TbsSkinPopupMenu(QWidget* owner) : QObject(owner), owner_(owner) {}

TbsSkinMenu* TbsSkinPopupMenu::engine() const {
    if (!owner_) return nullptr;
    if (TbsSkinMenu* own = TbsSkinMenu::ofWindow(owner_)) return own;
    // A menu owned by a control of a child form looks one owner further up.
    QWidget* parent = owner_->window()->parentWidget();
    return parent != nullptr ? TbsSkinMenu::ofWindow(parent) : nullptr;
}

bool TbsSkinPopupMenu::open(const std::function<bool(TbsSkinMenu&)>& show) {
    emit aboutToPopup();  // the handler may still change the items
    TbsSkinMenu* menu = engine();
    if (menu == nullptr) return false;
    if (menu->skinData() == nullptr && skinData_ != nullptr) menu->setSkinData(skinData_);
    return show(*menu);
}

bool TbsSkinPopupMenu::popup(const QPoint& screenPoint) {
    QPointer<TbsSkinPopupMenu> self(this);
    return open([&](TbsSkinMenu& menu) {
        return menu.popupAt(screenPoint, items_, [self](const TbsMenuItem& item) {
            if (self) emit self->itemTriggered(item);
        });
    });
}

bool TbsSkinPopupMenu::popupUnder(const QRect& screenRect) {
    QPointer<TbsSkinPopupMenu> self(this);
    return open([&](TbsSkinMenu& menu) {
        return menu.popupUnder(screenRect, items_, [self](const TbsMenuItem& item) {
            if (self) emit self->itemTriggered(item);
        });
    });
}

}  // namespace veyrin

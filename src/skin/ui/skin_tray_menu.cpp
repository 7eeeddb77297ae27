#include "skin/ui/skin_tray_menu.h"

#include "skin/model/system_menu.h"
#include "skin/ui/skin_popup_menu.h"

namespace veyrin {

TbsSkinPopupMenu* createSkinTrayMenu(QWidget* owner, std::function<void()> restoreFromTray, std::function<void()> close) {
    auto* menu = new TbsSkinPopupMenu(owner);
    menu->setItems(trayMenuItems());
    QObject::connect(menu, &TbsSkinPopupMenu::itemTriggered, menu,
                     [restoreFromTray = std::move(restoreFromTray), close = std::move(close)](const TbsMenuItem& item) {
                         if (item.command == MenuCommand::RestoreFromTray && restoreFromTray) restoreFromTray();
                         if (item.command == MenuCommand::Close && close) close();
                     });
    return menu;
}

}  // namespace veyrin

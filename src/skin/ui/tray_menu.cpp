#include "skin/ui/tray_menu.h"

#include <QMenu>
#include <QWidget>

#include "skin/ui/tray_icon.h"

namespace veyrin {

QMenu* createTrayMenu(TbsTrayIcon* trayIcon, QWidget* owner) {
    auto* menu = new QMenu(owner);
    QObject::connect(menu->addAction(QString::fromUtf8("还原(&R)")), &QAction::triggered, trayIcon,
                     &TbsTrayIcon::restoreFromTray);
    menu->addSeparator();
    // The short-cut text is shown only; Alt+F4 belongs to the window manager.
    QObject::connect(menu->addAction(QString::fromUtf8("关闭(&C)\tAlt+F4")), &QAction::triggered, owner,
                     [trayIcon, owner] {
                         if (trayIcon->minimisedToTray()) trayIcon->restoreFromTray();
                         owner->close();
                     });
    return menu;
}

}  // namespace veyrin

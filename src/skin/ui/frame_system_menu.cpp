#include "skin/ui/frame_system_menu.h"

#include "platform/ui/font_faces.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/frame_host.h"
#include "skin/ui/skin_menu.h"
#include "skin/ui/skin_popup_menu.h"
#include "skin/ui/skin_system_menu.h"

namespace veyrin {
namespace {

SystemMenuFrameState menuStateOf(const TbsBusinessSkinForm& form) {
    SystemMenuFrameState s;
    s.windowState = form.state().windowState;
    s.rolledUp = form.state().rollUp;
    const TbsBorderIcons icons = form.borderIcons();
    s.biMinimize = icons.contains(TbsBorderIcon::biMinimize);
    s.biMaximize = icons.contains(TbsBorderIcon::biMaximize);
    s.biRollUp = icons.contains(TbsBorderIcon::biRollUp);
    s.biMinimizeToTray = icons.contains(TbsBorderIcon::biMinimizeToTray);
    s.alwaysMinimizeToTray = form.AlwaysMinimizeToTray;
    return s;
}

void runMenuCommand(TbsBusinessSkinForm& form, MenuCommand command) {
    switch (command) {
    case MenuCommand::Close: form.runCommand(TbsStdCommand::cmClose); break;
    case MenuCommand::Minimize: form.runCommand(TbsStdCommand::cmMinimize); break;
    case MenuCommand::Maximize: form.runCommand(TbsStdCommand::cmMaximize); break;
    case MenuCommand::RollUp: form.runCommand(TbsStdCommand::cmRollUp); break;
    case MenuCommand::MinimizeToTray: form.runCommand(TbsStdCommand::cmMinimizeToTray); break;
    case MenuCommand::Restore:
        if (form.hooks.restore) form.hooks.restore();
        break;
    case MenuCommand::RestoreFromTray:
    case MenuCommand::Custom: break;
    }
}

void applyFrameMenuOptions(TbsSkinMenu& engine, const TbsBusinessSkinForm& form) {
    engine.setSkinData(form.skinData());
    engine.setUseSkinFont(form.UseSkinFontInMenu);
    engine.setDefaultItemHeight(form.DefMenuItemHeight);
    engine.setMaxMenuItemsInWindow(form.MaxMenuItemsInWindow);
}

}  // namespace

SkinSystemMenu* installFrameSystemMenu(FrameHost& host) {
    TbsBusinessSkinForm& form = host.skinForm();
    auto* menu = new SkinSystemMenu(&host);
    auto* own = new TbsSkinPopupMenu(&host);
    own->setItems({TbsMenuItem::separator()});
    menu->setSystemMenu(own);
    menu->setUseDefaultSysMenu(form.UseDefaultSysMenu);
    menu->engine().setDefaultItemFont(fontWithPixelSize(QStringLiteral("Arial"), 15));
    menu->setStateProvider([&form] { return menuStateOf(form); });
    menu->setCommandRunner([&form](MenuCommand command) { runMenuCommand(form, command); });
    // The skin and the menu options are read at each opening: the window sets them after the frame exists.
    menu->engine().setFrameSettings([&form](TbsSkinMenu& engine) { applyFrameMenuOptions(engine, form); });
    menu->setBeforeOpening([menu, &form] { menu->setUseDefaultSysMenu(form.UseDefaultSysMenu); });

    form.hooks.openSystemMenuUnder = [menu, &form](const QRect& button, quint64 pressTime) {
        form.setSysMenuButtonHeld(true);
        if (!menu->openUnder(button, pressTime)) form.setSysMenuButtonHeld(false);
    };
    form.hooks.captionRightClick = [menu](const QPoint& global) { menu->openAt(global); };
    form.hooks.closeSkinMenus = [menu] { menu->engine().closeAll(); };
    QObject::connect(menu, &SkinSystemMenu::closed, &form, [&form] {
        if (form.sysMenuButtonHeld()) form.setSysMenuButtonHeld(false);
    });
    // Queued: the double click may close the window, which must not go while the menu's press
    // handler still runs.
    QObject::connect(
        menu, &SkinSystemMenu::openerDoubleClicked, &form,
        [&form, &host](const QPoint& global) { form.mouseDoubleClickOnFrame(host.mapFromGlobal(global)); },
        Qt::QueuedConnection);
    return menu;
}

}  // namespace veyrin

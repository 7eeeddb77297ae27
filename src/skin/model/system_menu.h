#pragma once
// Which items the system menu and the tray menu hold. The system menu is rebuilt each time it is
// about to open, because the items offered depend on the window's state at that moment.

#include <string>
#include <vector>

#include "skin/model/frame_state.h"
#include "skin/model/menu_item.h"

namespace veyrin {

// What the frame tells the menu about itself when the menu opens.
struct SystemMenuFrameState {
    TbsWindowState windowState = TbsWindowState::wsNormal;
    bool rolledUp = false;
    // BorderIcons of the frame.
    bool biMinimize = false, biMaximize = false, biRollUp = false, biMinimizeToTray = false;
    // AlwaysMinimizeToTray: the minimise item sends the window to the tray.
    bool alwaysMinimizeToTray = false;
};

// Captions of the default items; a localised text table may replace them.
struct SystemMenuCaptions {
    std::string minimize = "最小化(&n)";
    std::string restore = "还原(&R)";
    std::string maximize = "最大化(&x)";
    std::string rollUp = "向上卷拢(&l)";
    std::string minimizeToTray = "最小化到图标(&T)";
    std::string close = "关闭(&C)";
};

inline constexpr const char* kCloseShortCut = "Alt+F4";

// The fixed internal names by which the default items are recognised (and removed) again.
inline constexpr const char* kSysMenuMinimizeName = "bsSysMinimizeItem";
inline constexpr const char* kSysMenuRestoreName = "bsSysRestoreItem";
inline constexpr const char* kSysMenuMaximizeName = "bsSysMaximizeItem";
inline constexpr const char* kSysMenuRollUpName = "bsSysRollUpItem";
inline constexpr const char* kSysMenuMinimizeToTrayName = "bsSysMinimizeToTrayItem";
inline constexpr const char* kSysMenuCloseName = "bsSysCloseItem";

bool isDefaultSystemMenuItem(const TbsMenuItem& item);

// The program's own system menu (`SystemMenu` with `UseDefaultSysMenu`): the default items left
// from the last opening are removed, then minimise, restore, maximise, roll-up and
// minimise-to-tray (those that apply) go before the menu's own items and close after them.
void rebuildSystemMenu(std::vector<TbsMenuItem>& items, const SystemMenuFrameState& state,
                       const SystemMenuCaptions& captions = {});

// The built-in system menu of a frame without `SystemMenu`: the items that apply, a separator
// when anything precedes close, and close.
std::vector<TbsMenuItem> builtInSystemMenu(const SystemMenuFrameState& state, const SystemMenuCaptions& captions = {});

// The tray icon's menu: restore from the tray, a separator, close.
std::vector<TbsMenuItem> trayMenuItems(const SystemMenuCaptions& captions = {});

}  // namespace veyrin

#include "skin/model/system_menu.h"

#include <algorithm>

namespace veyrin {
namespace {


TbsMenuItem defaultItem(const std::string& caption, const char* name, MenuGlyph glyph, MenuCommand command) {
    TbsMenuItem item;
    item.caption = caption;
    item.name = name;
    item.glyph = glyph;
    item.command = command;
    return item;
}

TbsMenuItem closeItem(const SystemMenuCaptions& captions) {
    TbsMenuItem item = defaultItem(captions.close, kSysMenuCloseName, MenuGlyph::Close, MenuCommand::Close);
    item.shortCut = kCloseShortCut;
    return item;
}

bool offersMinimize(const SystemMenuFrameState& s) { return s.biMinimize && s.windowState != TbsWindowState::wsMinimized; }
bool offersRestore(const SystemMenuFrameState& s) { return s.windowState != TbsWindowState::wsNormal || s.rolledUp; }
bool offersMaximize(const SystemMenuFrameState& s) { return s.biMaximize && s.windowState != TbsWindowState::wsMaximized; }
bool offersRollUp(const SystemMenuFrameState& s) {
    return s.biRollUp && !s.rolledUp && s.windowState != TbsWindowState::wsMinimized;
}

// Minimise, restore, maximise, roll-up and minimise-to-tray, those that apply, in menu order.
std::vector<TbsMenuItem> stateItems(const SystemMenuFrameState& s, const SystemMenuCaptions& c) {
    std::vector<TbsMenuItem> items;
    if (offersMinimize(s)) {
        MenuCommand command = s.alwaysMinimizeToTray ? MenuCommand::MinimizeToTray : MenuCommand::Minimize;
        items.push_back(defaultItem(c.minimize, kSysMenuMinimizeName, MenuGlyph::Minimize, command));
    }
    if (offersRestore(s)) items.push_back(defaultItem(c.restore, kSysMenuRestoreName, MenuGlyph::Restore, MenuCommand::Restore));
    if (offersMaximize(s)) items.push_back(defaultItem(c.maximize, kSysMenuMaximizeName, MenuGlyph::Maximize, MenuCommand::Maximize));
    if (offersRollUp(s)) items.push_back(defaultItem(c.rollUp, kSysMenuRollUpName, MenuGlyph::RollUp, MenuCommand::RollUp));
    if (s.biMinimizeToTray) {
        items.push_back(defaultItem(c.minimizeToTray, kSysMenuMinimizeToTrayName, MenuGlyph::MinimizeToTray,
                                    MenuCommand::MinimizeToTray));
    }
    return items;
}

}  // namespace

bool isDefaultSystemMenuItem(const TbsMenuItem& item) {
    static constexpr const char* kNames[] = {kSysMenuMinimizeName, kSysMenuRestoreName, kSysMenuMaximizeName,
                                             kSysMenuRollUpName, kSysMenuMinimizeToTrayName, kSysMenuCloseName};
    return std::any_of(std::begin(kNames), std::end(kNames), [&item](const char* name) { return item.name == name; });
}

void rebuildSystemMenu(std::vector<TbsMenuItem>& items, const SystemMenuFrameState& state,
                       const SystemMenuCaptions& captions) {
    std::erase_if(items, isDefaultSystemMenuItem);
    std::vector<TbsMenuItem> rebuilt = stateItems(state, captions);
    rebuilt.insert(rebuilt.end(), items.begin(), items.end());
    rebuilt.push_back(closeItem(captions));
    items = std::move(rebuilt);
}

std::vector<TbsMenuItem> builtInSystemMenu(const SystemMenuFrameState& state, const SystemMenuCaptions& captions) {
    // Unlike the program's own menu, the built-in one lists maximise before restore.
    std::vector<TbsMenuItem> items = stateItems(state, captions);
    auto restore = std::find_if(items.begin(), items.end(), [](const TbsMenuItem& i) { return i.name == kSysMenuRestoreName; });
    auto maximize = std::find_if(items.begin(), items.end(), [](const TbsMenuItem& i) { return i.name == kSysMenuMaximizeName; });
    if (restore != items.end() && maximize != items.end()) std::iter_swap(restore, maximize);
    if (!items.empty()) items.push_back(TbsMenuItem::separator());
    items.push_back(closeItem(captions));
    return items;
}

std::vector<TbsMenuItem> trayMenuItems(const SystemMenuCaptions& captions) {
    std::vector<TbsMenuItem> items;
    TbsMenuItem restore = defaultItem(captions.restore, "", MenuGlyph::None, MenuCommand::RestoreFromTray);
    items.push_back(restore);
    items.push_back(TbsMenuItem::separator());
    TbsMenuItem close = closeItem(captions);
    close.name.clear();  // not a system-menu default: nothing removes it again
    close.glyph = MenuGlyph::None;
    items.push_back(close);
    return items;
}

}  // namespace veyrin

#include "skin/model/system_menu.h"

#include <gtest/gtest.h>

using namespace veyrin;

namespace {


std::vector<std::string> captions(const std::vector<TbsMenuItem>& items) {
    std::vector<std::string> out;
    out.reserve(items.size());
    for (const auto& item : items) out.push_back(item.caption);
    return out;
}

SystemMenuFrameState mainWindow() {
    SystemMenuFrameState s;
    s.biMinimize = s.biRollUp = s.biMinimizeToTray = true;
    return s;
}

// The program's own system menu: the one separator every window's menu holds.
std::vector<TbsMenuItem> ownMenu() { return {TbsMenuItem::separator()}; }

}  // namespace

TEST(SystemMenu, MainWindowNormalAndRolledUp) {
    auto items = ownMenu();
    rebuildSystemMenu(items, mainWindow());
    EXPECT_EQ(captions(items), (std::vector<std::string>{"最小化(&n)", "向上卷拢(&l)", "最小化到图标(&T)", "-", "关闭(&C)"}));
    EXPECT_EQ(items.back().shortCut, "Alt+F4");
    EXPECT_EQ(items.back().command, MenuCommand::Close);

    // Rebuilt at the next opening from the items of the last one: no default item doubles.
    auto rolled = mainWindow();
    rolled.rolledUp = true;
    rebuildSystemMenu(items, rolled);
    EXPECT_EQ(captions(items), (std::vector<std::string>{"最小化(&n)", "还原(&R)", "最小化到图标(&T)", "-", "关闭(&C)"}));
    EXPECT_EQ(items[1].command, MenuCommand::Restore);
}

TEST(SystemMenu, WindowsWithoutBorderIconsAndOtherStates) {
    auto items = ownMenu();
    rebuildSystemMenu(items, SystemMenuFrameState{});
    EXPECT_EQ(captions(items), (std::vector<std::string>{"-", "关闭(&C)"}));

    SystemMenuFrameState all;
    all.biMinimize = all.biMaximize = all.biRollUp = true;
    all.windowState = TbsWindowState::wsMaximized;
    rebuildSystemMenu(items, all);
    EXPECT_EQ(captions(items), (std::vector<std::string>{"最小化(&n)", "还原(&R)", "向上卷拢(&l)", "-", "关闭(&C)"}));

    all.windowState = TbsWindowState::wsMinimized;
    all.alwaysMinimizeToTray = true;
    rebuildSystemMenu(items, all);
    EXPECT_EQ(captions(items), (std::vector<std::string>{"还原(&R)", "最大化(&x)", "-", "关闭(&C)"}));
}

TEST(SystemMenu, BuiltInOrderWithoutOwnMenu) {
    SystemMenuFrameState s;
    s.biMinimize = s.biMaximize = s.biRollUp = true;
    s.windowState = TbsWindowState::wsMinimized;
    EXPECT_EQ(captions(builtInSystemMenu(s)), (std::vector<std::string>{"最大化(&x)", "还原(&R)", "-", "关闭(&C)"}));
    s.windowState = TbsWindowState::wsNormal;
    EXPECT_EQ(captions(builtInSystemMenu(s)), (std::vector<std::string>{"最小化(&n)", "最大化(&x)", "向上卷拢(&l)", "-", "关闭(&C)"}));
    EXPECT_EQ(captions(builtInSystemMenu(SystemMenuFrameState{})), (std::vector<std::string>{"关闭(&C)"}));

    s.alwaysMinimizeToTray = true;
    EXPECT_EQ(builtInSystemMenu(s).front().command, MenuCommand::MinimizeToTray);
}

TEST(SystemMenu, TrayMenu) {
    auto items = trayMenuItems();
    EXPECT_EQ(captions(items), (std::vector<std::string>{"还原(&R)", "-", "关闭(&C)"}));
    EXPECT_EQ(items[0].command, MenuCommand::RestoreFromTray);
    EXPECT_EQ(items[2].shortCut, "Alt+F4");
}

TEST(MenuItem, AcceleratorAndDrawnText) {
    EXPECT_EQ(menuAccelerator("最小化(&n)"), 'n');
    EXPECT_EQ(menuAccelerator("还原(&R)"), 'r');
    EXPECT_EQ(menuAccelerator("A&&B"), 0);
    EXPECT_EQ(menuAccelerator("A&&B&c"), 'c');
    EXPECT_EQ(menuAccelerator("trailing&"), 0);
    EXPECT_EQ(menuCaptionText("A&&B&c"), "A&Bc");
    TbsMenuItem close;
    close.caption = "关闭(&C)";
    close.shortCut = "Alt+F4";
    EXPECT_EQ(menuMeasuredText(close), "关闭(C)  Alt+F4");
}

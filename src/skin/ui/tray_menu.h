#pragma once
// The tray icon's menu: restore the program, or close the window the icon belongs to.

class QMenu;
class QWidget;

namespace veyrin {

class TbsTrayIcon;

// A plain menu owned by `owner`; the skinned menu takes its place where the menus are skinned.
QMenu* createTrayMenu(TbsTrayIcon* trayIcon, QWidget* owner);

}  // namespace veyrin

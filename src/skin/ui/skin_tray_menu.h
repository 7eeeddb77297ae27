#pragma once
// The tray icon's menu, built once with the frame: restore from the tray, a separator, close. It
// is shown through the owning window's skinned menu engine, so it wears the window's skin.

#include <functional>

class QWidget;

namespace veyrin {

class TbsSkinPopupMenu;

TbsSkinPopupMenu* createSkinTrayMenu(QWidget* owner, std::function<void()> restoreFromTray, std::function<void()> close);

}  // namespace veyrin

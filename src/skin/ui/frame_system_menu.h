#pragma once
// Connects a window's skinned frame to its system menu: the system-menu button opens the menu
// under itself and stays down until it closes, a right click on the caption opens it at the
// cursor, the items run the frame's commands, and anything that closes skinned menus closes it.
// The open menu holds the pointer, so it hands a quick second press on the button back to the
// frame as the button's double click.

namespace veyrin {

class FrameHost;
class SkinSystemMenu;

// Every window gets one, with its own menu holding one separator (the default items join it at
// each opening). Owned by the host.
SkinSystemMenu* installFrameSystemMenu(FrameHost& host);

}  // namespace veyrin

#pragma once
// Where a menu level opens on the screen: below (or above) the rectangle it opens from, kept inside
// the work area of the monitor; submenus beside their parent item.

#include "skin/model/frame_rect.h"

namespace veyrin {

struct MenuPlacementRequest {
    FrameRect anchor;     // screen coordinates: the button, the cursor point, or the parent item
    int width = 0, height = 0;
    FrameRect workArea;
    bool submenu = false;
    bool upward = false;  // a first level that prefers opening above its anchor
    bool cutToWorkArea = false;  // the level was cut to the work area's height
    int itemsTopInset = 0;  // the level's items rectangle top, so a submenu's first item meets its parent
};

struct MenuPlacement {
    int left = 0, top = 0;
    friend bool operator==(const MenuPlacement&, const MenuPlacement&) = default;
};

MenuPlacement placeMenuLevel(const MenuPlacementRequest& request);

}  // namespace veyrin

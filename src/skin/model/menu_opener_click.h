#pragma once
// An open menu holds the pointer, so the second press of a double click on the button that opened
// it lands on the menu instead of the button. The menu tells such a press apart from one that only
// dismisses it and hands it back to the button.

#include <cstdint>

#include "skin/model/frame_rect.h"

namespace veyrin {

// The button a menu was opened from, in screen coordinates, and when the press that opened it
// happened (milliseconds on the window system's clock).
struct MenuOpener {
    FrameRect button;
    std::uint64_t pressedAt = 0;
};

// A press at (x, y) at `now` completes a double click on the opener when it lies on the button and
// comes less than `doubleClickTime` ms after the opening press.
bool isSecondClickOnOpener(const MenuOpener& opener, int x, int y, std::uint64_t now, int doubleClickTime);

}  // namespace veyrin

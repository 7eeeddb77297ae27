#pragma once
// The work area (the screen less the panels and docks the window manager reserves) of the monitor
// holding a window, as the frame's states and snapping need it.

#include "skin/model/frame_window_states.h"

class QWidget;

namespace veyrin {

// Falls back to the primary screen's work area when the window's monitor is unknown, and to the
// whole screen when no work area is reported.
FrameScreen frameScreenOf(const QWidget* window);

}  // namespace veyrin

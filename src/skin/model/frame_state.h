#pragma once
// The frame's own window state, kept apart from the platform's: a window maximised by the
// platform (the reading window) stays normal here. Roll-up is an independent flag.

#include "skin/model/frame_rect.h"

namespace veyrin {

enum class TbsWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

struct TbsFrameState {
    TbsWindowState windowState = TbsWindowState::wsNormal;
    bool rollUp = false;
    bool rollUpWhileMaximized = false;
    FrameRect savedBounds;  // absent when nothing is saved; in screen coordinates
    int heightBeforeRollUp = 0;

    bool rolledUpOrMinimised() const { return rollUp || windowState == TbsWindowState::wsMinimized; }
};

}  // namespace veyrin

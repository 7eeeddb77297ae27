#pragma once
// The frame's own window states (normal, minimised, maximised, and the independent roll-up flag)
// and the commands of the caption buttons that change them. The frame keeps these itself instead
// of asking the window manager, so a window can be maximised to the work area, rolled up to its
// caption, or parked at the bottom of the screen with the same rules on every desktop. The
// widget gives the current bounds and the screen, and carries out the returned effect.

#include <optional>

#include "skin/model/frame_rect.h"
#include "skin/model/frame_state.h"
#include "skin/model/skin_data.h"
#include "skin/model/tracking_sizes.h"

namespace veyrin {

// The screen around a window.
struct FrameScreen {
    FrameRect workArea;       // of the monitor holding the window
    FrameRect monitor;        // that monitor as a whole
    FrameRect primaryScreen;  // the whole primary screen, at the origin
};

// What a frame offers; set from its caption buttons and border style.
struct FrameStateOptions {
    bool mainWindow = false;  // minimising it iconifies the whole program
    bool resizable = false;
    bool canMaximize = false;  // biMaximize
    bool canRollUp = false;    // biRollUp
    bool maximizeOnFullScreen = false;
    bool alwaysMinimizeToTray = false;
};

struct FrameStateContext {
    FrameRect bounds;  // the window's rectangle now
    FrameScreen screen;
    int minimisedBeside = 0;  // other windows already parked along the bottom of the work area
};

// What the widget must do after a state change; fields left empty ask for nothing.
struct FrameStateEffect {
    std::optional<FrameRect> bounds;
    bool minimiseApplication = false;  // iconify through the window manager
    bool minimiseToTray = false;
    bool close = false;
    bool openSystemMenu = false;
    bool rollUpChanged = false;  // OnChangeRollUpState
    bool backToNormal = false;   // restart mouse tracking and repaint the frame
};

// The rectangle a maximised frame covers: the work area (the monitor with `fullScreen`), one
// pixel smaller on every side when that is the whole primary screen, so that a task bar hidden at
// a screen edge can still be reached with the pointer.
FrameRect maximiseRect(const FrameScreen& screen, bool fullScreen);

class FrameWindowStates {
public:
    FrameWindowStates(const FrameStateOptions& options, const FrameOutline& outline, const FrameSizeLimits& limits);

    void setOptions(const FrameStateOptions& options) { options_ = options; }
    void setOutline(const FrameOutline& outline) { outline_ = outline; }
    void setLimits(const FrameSizeLimits& limits) { limits_ = limits; }
    const FrameStateOptions& options() const { return options_; }
    const FrameOutline& outline() const { return outline_; }
    const FrameSizeLimits& limits() const { return limits_; }

    // The one record of the frame's states; the skinned frame hit-tests and paints from it.
    const TbsFrameState& record() const { return record_; }
    TbsWindowState state() const { return record_.windowState; }
    bool rolledUp() const { return record_.rollUp; }
    bool rollUpWhileMaximized() const { return record_.rollUpWhileMaximized; }
    std::optional<FrameRect> savedBounds() const {
        return record_.savedBounds.isAbsent() ? std::nullopt : std::optional<FrameRect>(record_.savedBounds);
    }
    int heightBeforeRollUp() const { return record_.heightBeforeRollUp; }
    FrameSizeState sizeState() const { return {record_.windowState == TbsWindowState::wsMinimized, record_.rollUp}; }

    TrackingSizes trackingSizes(const FrameScreen& screen) const;
    // Height of a rolled-up frame: the frame without its client area, or MinHeight when larger.
    int rolledUpHeight() const;

    FrameStateEffect runCommand(TbsStdCommand command, const FrameStateContext& context);
    FrameStateEffect setWindowState(TbsWindowState target, const FrameStateContext& context);
    FrameStateEffect setRollUp(bool on, const FrameStateContext& context);
    // A left double click on the caption (after the hot object has had it).
    FrameStateEffect captionDoubleClick(const FrameStateContext& context);
    // The system menu's restore item: unroll a rolled-up frame, else back to normal.
    FrameStateEffect restore(const FrameStateContext& context);

private:
    FrameStateEffect minimise(const FrameStateContext& context);
    FrameStateEffect maximise(const FrameStateContext& context);
    FrameStateEffect backToNormal(const FrameStateContext& context);
    void saveBoundsOnce(const FrameRect& bounds);

    FrameStateOptions options_;
    FrameOutline outline_;
    FrameSizeLimits limits_;
    TbsFrameState record_;
};

}  // namespace veyrin

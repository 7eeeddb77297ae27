#include "skin/model/frame_window_states.h"

namespace veyrin {
namespace {

FrameRect withHeight(const FrameRect& r, int height) { return {r.left, r.top, r.right, r.top + height}; }

bool sameSize(const FrameRect& a, const FrameRect& b) { return a.width() == b.width() && a.height() == b.height(); }

}  // namespace

FrameRect maximiseRect(const FrameScreen& screen, bool fullScreen) {
    FrameRect area = fullScreen ? screen.monitor : screen.workArea;
    const bool coversPrimaryScreen = sameSize(area, screen.monitor) && screen.monitor == screen.primaryScreen &&
                                     screen.monitor.left == 0 && screen.monitor.top == 0;
    if (coversPrimaryScreen) area = {area.left + 1, area.top + 1, area.right - 1, area.bottom - 1};
    return area;
}

FrameWindowStates::FrameWindowStates(const FrameStateOptions& options, const FrameOutline& outline, const FrameSizeLimits& limits)
    : options_(options), outline_(outline), limits_(limits) {}

TrackingSizes FrameWindowStates::trackingSizes(const FrameScreen& screen) const {
    const FrameRect area = options_.maximizeOnFullScreen ? screen.monitor : screen.workArea;
    return veyrin::trackingSizes(outline_, limits_, sizeState(), area);
}

int FrameWindowStates::rolledUpHeight() const { return minimumTrackHeight(outline_, limits_, FrameSizeState{}); }

FrameStateEffect FrameWindowStates::runCommand(TbsStdCommand command, const FrameStateContext& context) {
    FrameStateEffect effect;
    switch (command) {
    case TbsStdCommand::cmClose: effect.close = true; break;
    case TbsStdCommand::cmMinimize:
        if (options_.alwaysMinimizeToTray) {
            effect.minimiseToTray = true;
        } else {
            const bool minimised = record_.windowState == TbsWindowState::wsMinimized;
            effect = setWindowState(minimised ? TbsWindowState::wsNormal : TbsWindowState::wsMinimized, context);
        }
        break;
    case TbsStdCommand::cmMaximize:
        effect = setWindowState(record_.windowState == TbsWindowState::wsMaximized ? TbsWindowState::wsNormal : TbsWindowState::wsMaximized,
                                context);
        break;
    case TbsStdCommand::cmRollUp: effect = setRollUp(!record_.rollUp, context); break;
    case TbsStdCommand::cmMinimizeToTray: effect.minimiseToTray = true; break;
    case TbsStdCommand::cmSysMenu: effect.openSystemMenu = true; break;
    case TbsStdCommand::cmDefault: break;
    }
    return effect;
}

FrameStateEffect FrameWindowStates::setWindowState(TbsWindowState target, const FrameStateContext& context) {
    if (target == record_.windowState) return {};
    switch (target) {
    case TbsWindowState::wsMinimized: return minimise(context);
    case TbsWindowState::wsMaximized: return maximise(context);
    case TbsWindowState::wsNormal: return backToNormal(context);
    }
    return {};
}

void FrameWindowStates::saveBoundsOnce(const FrameRect& bounds) {
    if (record_.savedBounds.isAbsent()) record_.savedBounds = bounds;
}

FrameStateEffect FrameWindowStates::minimise(const FrameStateContext& context) {
    FrameStateEffect effect;
    // The main window's state is left alone: the window manager iconifies the whole program and
    // hands the windows back unchanged.
    if (options_.mainWindow) {
        effect.minimiseApplication = true;
        return effect;
    }
    record_.windowState = TbsWindowState::wsMinimized;
    saveBoundsOnce(context.bounds);
    const int width = minimumTrackWidth(outline_, limits_, sizeState());
    const int height = minimumTrackHeight(outline_, limits_, sizeState());
    const int left = context.screen.workArea.left + context.minimisedBeside * width;
    const int bottom = context.screen.workArea.bottom;
    effect.bounds = FrameRect{left, bottom - height, left + width, bottom};
    return effect;
}

FrameStateEffect FrameWindowStates::maximise(const FrameStateContext& context) {
    record_.windowState = TbsWindowState::wsMaximized;
    saveBoundsOnce(context.bounds);
    FrameStateEffect effect;
    effect.bounds = maximiseRect(context.screen, options_.maximizeOnFullScreen);
    return effect;
}

FrameStateEffect FrameWindowStates::backToNormal(const FrameStateContext& context) {
    record_.windowState = TbsWindowState::wsNormal;
    record_.rollUpWhileMaximized = false;
    FrameStateEffect effect;
    effect.bounds = record_.savedBounds.isAbsent() ? context.bounds : record_.savedBounds;
    effect.backToNormal = true;
    record_.savedBounds = {};
    return effect;
}

FrameStateEffect FrameWindowStates::setRollUp(bool on, const FrameStateContext& context) {
    if (!options_.canRollUp || record_.windowState == TbsWindowState::wsMinimized || on == record_.rollUp) return {};
    const bool maximised = record_.windowState == TbsWindowState::wsMaximized;
    if (maximised && record_.rollUp && !record_.rollUpWhileMaximized) return {};
    if (maximised) record_.rollUpWhileMaximized = on;
    record_.rollUp = on;
    FrameStateEffect effect;
    if (on) {
        record_.heightBeforeRollUp = context.bounds.height();
        effect.bounds = withHeight(context.bounds, rolledUpHeight());
    } else {
        effect.bounds = withHeight(context.bounds, record_.heightBeforeRollUp);
    }
    effect.rollUpChanged = true;
    return effect;
}

FrameStateEffect FrameWindowStates::captionDoubleClick(const FrameStateContext& context) {
    if (options_.resizable) {
        if (record_.windowState == TbsWindowState::wsMinimized) return setWindowState(TbsWindowState::wsNormal, context);
        if (record_.windowState == TbsWindowState::wsNormal && !record_.rollUp && options_.canMaximize)
            return setWindowState(TbsWindowState::wsMaximized, context);
        if (record_.windowState == TbsWindowState::wsMaximized && !record_.rollUpWhileMaximized)
            return setWindowState(TbsWindowState::wsNormal, context);
    }
    return setRollUp(!record_.rollUp, context);
}

FrameStateEffect FrameWindowStates::restore(const FrameStateContext& context) {
    const bool rolledWhileNormal = record_.rollUp && record_.windowState == TbsWindowState::wsNormal;
    if (record_.rollUpWhileMaximized || rolledWhileNormal) return setRollUp(false, context);
    return setWindowState(TbsWindowState::wsNormal, context);
}

}  // namespace veyrin

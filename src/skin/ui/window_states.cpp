#include "skin/ui/window_states.h"

#include <QWidget>

#include "skin/ui/application_windows.h"
#include "skin/ui/frame_rect_qt.h"
#include "skin/ui/screen_areas.h"
#include "skin/ui/tray_icon.h"

namespace veyrin {
namespace {

// Non-main windows parked along the bottom of the work area by the frame.
int windowsParkedBeside(const QWidget* self) {
    int count = 0;
    for (const QPointer<QWidget>& window : visibleApplicationWindows()) {
        if (window == self) continue;
        auto* states = window->findChild<WindowStates*>(QString(), Qt::FindDirectChildrenOnly);
        if (states && states->model().state() == TbsWindowState::wsMinimized) ++count;
    }
    return count;
}

}  // namespace

WindowStates::WindowStates(QWidget* window) : QObject(window), window_(window), model_({}, {}, {}) {}

void WindowStates::setMainWindow(bool mainWindow) {
    FrameStateOptions options = model_.options();
    options.mainWindow = mainWindow;
    model_.setOptions(options);
}

void WindowStates::refreshSettings() {
    // The settings are a view of the frame's properties, not state of their own.
    if (settingsSource_) settingsSource_(*this);
}

FrameStateContext WindowStates::context() {
    refreshSettings();
    return {toFrameRect(window_->geometry()), frameScreenOf(window_), windowsParkedBeside(window_)};
}

void WindowStates::runCommand(TbsStdCommand command) { apply(model_.runCommand(command, context())); }
void WindowStates::setWindowState(TbsWindowState state) { apply(model_.setWindowState(state, context())); }
void WindowStates::setRollUp(bool on) { apply(model_.setRollUp(on, context())); }
void WindowStates::captionDoubleClick() { apply(model_.captionDoubleClick(context())); }
void WindowStates::restore() { apply(model_.restore(context())); }

void WindowStates::minimiseToTray() {
    if (!trayIcon_) return;
    trayIcon_->minimiseToTray();
    emit minimizedToTray();
}

void WindowStates::apply(const FrameStateEffect& effect) {
    emit statesChanged();
    if (effect.bounds) window_->setGeometry(toQRect(*effect.bounds));
    if (effect.minimiseApplication) minimiseApplication();
    if (effect.minimiseToTray) minimiseToTray();
    if (effect.openSystemMenu) emit systemMenuRequested();
    if (effect.rollUpChanged) emit rollUpStateChanged(model_.rolledUp());
    if (effect.backToNormal) window_->update();
    if (effect.close) window_->close();
}

QRect WindowStates::movedGeometry(const QRect& proposed) {
    refreshSettings();
    const FrameScreen screen = frameScreenOf(window_);
    const bool maximised = model_.state() == TbsWindowState::wsMaximized;
    return toQRect(magneticMoveStep(toFrameRect(proposed), toFrameRect(window_->geometry()), screen.workArea, magnetic_,
                                    maximised));
}

TrackingSizes WindowStates::trackingSizes() {
    refreshSettings();
    return model_.trackingSizes(frameScreenOf(window_));
}

}  // namespace veyrin

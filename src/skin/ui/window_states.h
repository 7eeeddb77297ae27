#pragma once
// Carries out the frame's window states on a real top-level window: geometry for maximise,
// roll-up and parking, the window manager for minimising the program, the tray icon for
// minimising to the tray. The move and size loops of the frame ask it where a drag may go.

#include <QObject>
#include <QRect>
#include <functional>

#include "skin/model/frame_window_states.h"
#include "skin/model/magnetic_snap.h"

class QWidget;

namespace veyrin {

class TbsTrayIcon;

class WindowStates : public QObject {
    Q_OBJECT
public:
    explicit WindowStates(QWidget* window);

    FrameWindowStates& model() { return model_; }
    const FrameWindowStates& model() const { return model_; }
    void setOptions(const FrameStateOptions& options) { model_.setOptions(options); }
    void setMainWindow(bool mainWindow);
    void setOutline(const FrameOutline& outline) { model_.setOutline(outline); }
    void setLimits(const FrameSizeLimits& limits) { model_.setLimits(limits); }
    void setMagnetic(const MagneticSettings& settings) { magnetic_ = settings; }
    // Runs before every state change, move and size step, so the options, limits and outline
    // follow the frame they belong to.
    void setSettingsSource(std::function<void(WindowStates&)> source) { settingsSource_ = std::move(source); }
    void setTrayIcon(TbsTrayIcon* trayIcon) { trayIcon_ = trayIcon; }
    TbsTrayIcon* trayIcon() const { return trayIcon_; }

    void runCommand(TbsStdCommand command);
    void setWindowState(TbsWindowState state);
    void setRollUp(bool on);
    void captionDoubleClick();
    void restore();
    // Minimise to the tray; does nothing without a linked tray icon.
    void minimiseToTray();

    // Where the move loop puts a window dragged to `proposed`.
    QRect movedGeometry(const QRect& proposed);
    TrackingSizes trackingSizes();

signals:
    // The states changed; sent before the window takes its new geometry.
    void statesChanged();
    void rollUpStateChanged(bool rolledUp);
    void minimizedToTray();
    void systemMenuRequested();

private:
    void apply(const FrameStateEffect& effect);
    FrameStateContext context();
    void refreshSettings();

    QWidget* window_;
    FrameWindowStates model_;
    MagneticSettings magnetic_;
    TbsTrayIcon* trayIcon_ = nullptr;
    std::function<void(WindowStates&)> settingsSource_;
};

}  // namespace veyrin

#include "skin/model/frame_window_states.h"

#include <gtest/gtest.h>

using namespace veyrin;

namespace {

FrameOutline storedSkin() { return {true, 188, 128, {11, 32, 177, 118}, 19}; }

const FrameScreen kScreen{{0, 0, 1280, 994}, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}};

FrameStateContext at(const FrameRect& bounds) { return {bounds, kScreen, 0}; }

// The main window: not resizable, minimise, roll-up and tray buttons.
FrameWindowStates mainWindow() {
    FrameStateOptions options;
    options.mainWindow = true;
    options.canRollUp = true;
    return {options, storedSkin(), {}};
}

FrameWindowStates resizableWindow(bool canMaximize, bool canRollUp) {
    FrameStateOptions options;
    options.resizable = true;
    options.canMaximize = canMaximize;
    options.canRollUp = canRollUp;
    return {options, storedSkin(), {}};
}

const FrameRect kBounds{100, 50, 660, 754};

}  // namespace

TEST(FrameWindowStates, MainWindowMinimiseIconifiesTheProgramWithoutRecordingTheState) {
    FrameWindowStates frame = mainWindow();
    for (int i = 0; i < 2; ++i) {
        FrameStateEffect effect = frame.runCommand(TbsStdCommand::cmMinimize, at(kBounds));
        EXPECT_TRUE(effect.minimiseApplication);
        EXPECT_FALSE(effect.bounds);
        EXPECT_EQ(frame.state(), TbsWindowState::wsNormal);
    }
}

TEST(FrameWindowStates, OtherWindowsParkAtTheBottomLeftAndComeBackToTheirBounds) {
    FrameWindowStates frame = resizableWindow(true, false);
    FrameStateContext context = at(kBounds);
    context.minimisedBeside = 1;
    FrameStateEffect effect = frame.runCommand(TbsStdCommand::cmMinimize, context);
    EXPECT_EQ(frame.state(), TbsWindowState::wsMinimized);
    EXPECT_EQ(effect.bounds, (FrameRect{188, 994 - 42, 376, 994}));
    effect = frame.runCommand(TbsStdCommand::cmMinimize, at(*effect.bounds));
    EXPECT_EQ(frame.state(), TbsWindowState::wsNormal);
    EXPECT_EQ(effect.bounds, kBounds);
    EXPECT_TRUE(effect.backToNormal);
    EXPECT_FALSE(frame.savedBounds());
}

TEST(FrameWindowStates, MaximiseKeepsTheFirstSavedBoundsThroughMinimise) {
    FrameWindowStates frame = resizableWindow(true, false);
    FrameStateEffect effect = frame.runCommand(TbsStdCommand::cmMaximize, at(kBounds));
    EXPECT_EQ(frame.state(), TbsWindowState::wsMaximized);
    EXPECT_EQ(effect.bounds, (FrameRect{0, 0, 1280, 994}));
    effect = frame.setWindowState(TbsWindowState::wsMinimized, at(*effect.bounds));
    effect = frame.setWindowState(TbsWindowState::wsMinimized, at(*effect.bounds));
    EXPECT_FALSE(effect.bounds);  // already minimised: nothing
    effect = frame.runCommand(TbsStdCommand::cmMaximize, at(FrameRect{0, 952, 188, 994}));
    effect = frame.runCommand(TbsStdCommand::cmMaximize, at(*effect.bounds));
    EXPECT_EQ(frame.state(), TbsWindowState::wsNormal);
    EXPECT_EQ(effect.bounds, kBounds);
}

TEST(FrameWindowStates, MaximiseRectangleIsInsetOnlyWhenItCoversTheWholePrimaryScreen) {
    EXPECT_EQ(maximiseRect(kScreen, false), (FrameRect{0, 0, 1280, 994}));
    EXPECT_EQ(maximiseRect(kScreen, true), (FrameRect{1, 1, 1279, 1023}));
    FrameScreen noPanel{{0, 0, 1280, 1024}, {0, 0, 1280, 1024}, {0, 0, 1280, 1024}};
    EXPECT_EQ(maximiseRect(noPanel, false), (FrameRect{1, 1, 1279, 1023}));
    FrameScreen second{{1280, 0, 2560, 1024}, {1280, 0, 2560, 1024}, {0, 0, 1280, 1024}};
    EXPECT_EQ(maximiseRect(second, false), second.workArea);
}

TEST(FrameWindowStates, RollUpShrinksToTheFrameAndRestoresTheHeight) {
    FrameWindowStates frame = mainWindow();
    FrameStateEffect effect = frame.runCommand(TbsStdCommand::cmRollUp, at(kBounds));
    EXPECT_TRUE(frame.rolledUp());
    EXPECT_TRUE(effect.rollUpChanged);
    EXPECT_EQ(effect.bounds, (FrameRect{100, 50, 660, 92}));
    // Moved while rolled up: unrolling keeps the new place and puts the height back.
    effect = frame.runCommand(TbsStdCommand::cmRollUp, at(FrameRect{200, 80, 760, 122}));
    EXPECT_FALSE(frame.rolledUp());
    EXPECT_EQ(effect.bounds, (FrameRect{200, 80, 760, 784}));

    FrameWindowStates tall{frame.options(), storedSkin(), {0, 60, 0, 0}};
    EXPECT_EQ(tall.rolledUpHeight(), 60);
}

TEST(FrameWindowStates, RollUpNeedsItsButtonAndAnUnminimisedFrame) {
    FrameWindowStates plain = resizableWindow(true, false);
    EXPECT_FALSE(plain.runCommand(TbsStdCommand::cmRollUp, at(kBounds)).rollUpChanged);
    EXPECT_FALSE(plain.rolledUp());

    FrameWindowStates frame = resizableWindow(true, true);
    frame.setWindowState(TbsWindowState::wsMinimized, at(kBounds));
    EXPECT_FALSE(frame.setRollUp(true, at(kBounds)).rollUpChanged);
}

TEST(FrameWindowStates, RollUpWhileMaximisedAndTheRestoreItem) {
    FrameWindowStates frame = resizableWindow(true, true);
    FrameStateEffect effect = frame.setWindowState(TbsWindowState::wsMaximized, at(kBounds));
    effect = frame.setRollUp(true, at(*effect.bounds));
    EXPECT_TRUE(frame.rollUpWhileMaximized());
    EXPECT_EQ(frame.state(), TbsWindowState::wsMaximized);
    EXPECT_EQ(effect.bounds->height(), 42);
    effect = frame.restore(at(*effect.bounds));  // unrolls, stays maximised
    EXPECT_FALSE(frame.rolledUp());
    EXPECT_EQ(frame.state(), TbsWindowState::wsMaximized);
    EXPECT_EQ(effect.bounds->height(), 994);
    effect = frame.restore(at(*effect.bounds));
    EXPECT_EQ(frame.state(), TbsWindowState::wsNormal);
    EXPECT_EQ(effect.bounds, kBounds);

    // Rolled up first and then maximised: the roll-up cannot be undone until back to normal.
    frame.setRollUp(true, at(kBounds));
    frame.setWindowState(TbsWindowState::wsMaximized, at(FrameRect{100, 50, 660, 92}));
    EXPECT_FALSE(frame.setRollUp(false, at(FrameRect{0, 0, 1280, 994})).rollUpChanged);
}

TEST(FrameWindowStates, CaptionDoubleClick) {
    // The reading and about windows: resizable, no maximise or roll-up button: nothing.
    FrameWindowStates reading = resizableWindow(false, false);
    FrameStateEffect none = reading.captionDoubleClick(at(kBounds));
    EXPECT_FALSE(none.bounds || none.rollUpChanged);
    EXPECT_EQ(reading.state(), TbsWindowState::wsNormal);
    // A resizable window with a maximise button maximises and comes back.
    FrameWindowStates sizable = resizableWindow(true, true);
    EXPECT_EQ(sizable.captionDoubleClick(at(kBounds)).bounds, (FrameRect{0, 0, 1280, 994}));
    EXPECT_EQ(sizable.captionDoubleClick(at(FrameRect{0, 0, 1280, 994})).bounds, kBounds);
    EXPECT_EQ(sizable.state(), TbsWindowState::wsNormal);
}

TEST(FrameWindowStates, AlwaysMinimizeToTraySendsTheMinimiseButtonToTheTray) {
    FrameStateOptions options = mainWindow().options();
    options.alwaysMinimizeToTray = true;
    FrameWindowStates toTray{options, storedSkin(), {}};
    FrameStateEffect effect = toTray.runCommand(TbsStdCommand::cmMinimize, at(kBounds));
    EXPECT_TRUE(effect.minimiseToTray);
    EXPECT_FALSE(effect.minimiseApplication);
}

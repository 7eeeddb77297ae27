#include "textview/model/key_strokes.h"

#include "platform/model/app_error.h"

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace veyrin {
namespace {

TEST(KeyStrokesDefaults, HasEightyTwoBindingsWithoutDuplicates) {
    TSynEditKeyStrokes keys;
    EXPECT_EQ(keys.count(), 82);
    std::set<std::pair<int, int>> seen;
    for (const TSynEditKeyStroke& stroke : keys.items()) {
        EXPECT_FALSE(stroke.second.has_value());
        EXPECT_TRUE(seen.insert({stroke.first.key, stroke.first.shift}).second)
            << "key " << stroke.first.key << " shift " << int(stroke.first.shift);
    }
}

TEST(KeyStrokesDefaults, SampleOfBindings) {
    const TSynEditKeyStrokes keys;
    struct Case {
        int key;
        TShiftState shift;
        TSynEditorCommand command;
    };
    const Case cases[] = {
        {vk::Up, ssNone, ecUp},
        {vk::Up, ssShift, ecSelUp},
        {vk::Up, ssCtrl, ecScrollUp},
        {vk::Right, ssShift | ssCtrl, ecSelWordRight},
        {vk::Next, ssCtrl, ecPageBottom},
        {vk::Prior, ssShift | ssCtrl, ecSelPageTop},
        {vk::Home, ssNone, ecLineStart},
        {vk::End, ssShift | ssCtrl, ecSelEditorBottom},
        {vk::Insert, ssShift, ecPaste},
        {vk::Insert, ssCtrl, ecCopy},
        {vk::Delete, ssShift, ecCut},
        {vk::Back, ssShift, ecDeleteLastChar},
        {vk::Back, ssCtrl, ecDeleteLastWord},
        {vk::Back, ssAlt, ecUndo},
        {vk::Back, ssShift | ssAlt, ecRedo},
        {vk::Return, ssShift, ecLineBreak},
        {vk::Tab, ssShift, ecShiftTab},
        {vk::F1, ssNone, ecContextHelp},
        {'A', ssCtrl, ecSelectAll},
        {'C', ssShift | ssCtrl, ecColumnSelect},
        {'Z', ssShift | ssCtrl, ecRedo},
        {'M', ssCtrl, ecLineBreak},
        {'N', ssShift | ssCtrl, ecNormalSelect},
        {'Y', ssShift | ssCtrl, ecDeleteEOL},
        {'0', ssCtrl, ecGotoMarker0},
        {'9', ssCtrl, ecGotoMarker9},
        {'5', ssShift | ssCtrl, ecSetMarker0 + 5},
    };
    for (const Case& c : cases) EXPECT_EQ(keys.findCommand(c.key, c.shift), c.command) << "key " << c.key;
}

TEST(KeyStrokesDefaults, UnboundCombinationsFindNothing) {
    const TSynEditKeyStrokes keys;
    EXPECT_EQ(keys.findCommand('A', ssNone), ecNone);  // plain letters are typed, not commands
    EXPECT_EQ(keys.findCommand('A', ssShift), ecNone);
    EXPECT_EQ(keys.findCommand(vk::Delete, ssCtrl), ecNone);
    EXPECT_EQ(keys.findCommand(vk::Up, ssAlt), ecNone);
    EXPECT_EQ(keys.findCommand(vk::Up, ssShift | ssCtrl), ecNone);
}

TEST(KeyStrokesEditing, DuplicateBindingIsRefusedAndTableUnchanged) {
    TSynEditKeyStrokes keys;
    EXPECT_THROW(keys.add(ecUserFirst, vk::Up, ssNone), AppError);
    EXPECT_EQ(keys.count(), 82);
    EXPECT_EQ(keys.findCommand(vk::Up, ssNone), ecUp);
}

TEST(KeyStrokesEditing, ResetRebuildsDefaults) {
    TSynEditKeyStrokes keys;
    keys.clear();
    keys.add(ecUserFirst, 'Q', ssCtrl);
    keys.resetDefaults();
    EXPECT_EQ(keys.count(), 82);
    EXPECT_EQ(keys.findCommand('Q', ssCtrl), ecNone);
}

TEST(KeyStrokesChords, SecondKeyCompletesTwoStrokeBinding) {
    TSynEditKeyStrokes keys;
    keys.add(TSynEditKeyStroke{{'K', ssCtrl}, TSynKeyPress{'B', ssCtrl}, ecUserFirst});
    EXPECT_THROW(keys.add(ecUserFirst + 1, 'K', ssCtrl), AppError);

    TSynKeyLookup first = keys.press('K', ssCtrl);
    EXPECT_TRUE(first.awaitingSecondKey);
    EXPECT_EQ(first.command, ecNone);
    EXPECT_EQ(keys.press('B', ssCtrl).command, ecUserFirst);

    // A press that does not finish the chord is looked up on its own.
    keys.press('K', ssCtrl);
    EXPECT_EQ(keys.press('A', ssCtrl).command, ecSelectAll);
    EXPECT_EQ(keys.press(vk::Left, ssNone).command, ecLeft);
}

}  // namespace
}  // namespace veyrin

#include "textview/model/key_strokes.h"

#include "platform/model/app_error.h"

#include <algorithm>

namespace veyrin {
namespace {

struct KeyRow {
    int key;
    TSynEditorCommand alone, withShift, withCtrl, withShiftCtrl;
};

// One row per key, one column per modifier combination; ecNone leaves the combination unbound.
constexpr KeyRow kDefaultRows[] = {
    {vk::Up, ecUp, ecSelUp, ecScrollUp, ecNone},
    {vk::Down, ecDown, ecSelDown, ecScrollDown, ecNone},
    {vk::Left, ecLeft, ecSelLeft, ecWordLeft, ecSelWordLeft},
    {vk::Right, ecRight, ecSelRight, ecWordRight, ecSelWordRight},
    {vk::Next, ecPageDown, ecSelPageDown, ecPageBottom, ecSelPageBottom},
    {vk::Prior, ecPageUp, ecSelPageUp, ecPageTop, ecSelPageTop},
    {vk::Home, ecLineStart, ecSelLineStart, ecEditorTop, ecSelEditorTop},
    {vk::End, ecLineEnd, ecSelLineEnd, ecEditorBottom, ecSelEditorBottom},
    {vk::Insert, ecToggleMode, ecPaste, ecCopy, ecNone},
    {vk::Delete, ecDeleteChar, ecCut, ecNone, ecNone},
    {vk::Back, ecDeleteLastChar, ecDeleteLastChar, ecDeleteLastWord, ecNone},
    {vk::Return, ecLineBreak, ecLineBreak, ecNone, ecNone},
    {vk::Tab, ecTab, ecShiftTab, ecNone, ecNone},
    {vk::F1, ecContextHelp, ecNone, ecNone, ecNone},
    {'A', ecNone, ecNone, ecSelectAll, ecNone},
    {'C', ecNone, ecNone, ecCopy, ecColumnSelect},
    {'V', ecNone, ecNone, ecPaste, ecNone},
    {'X', ecNone, ecNone, ecCut, ecNone},
    {'Z', ecNone, ecNone, ecUndo, ecRedo},
    {'I', ecNone, ecNone, ecNone, ecBlockIndent},
    {'U', ecNone, ecNone, ecNone, ecBlockUnindent},
    {'M', ecNone, ecNone, ecLineBreak, ecNone},
    {'N', ecNone, ecNone, ecInsertLine, ecNormalSelect},
    {'T', ecNone, ecNone, ecDeleteWord, ecNone},
    {'Y', ecNone, ecNone, ecDeleteLine, ecDeleteEOL},
    {'L', ecNone, ecNone, ecNone, ecLineSelect},
    {'B', ecNone, ecNone, ecNone, ecMatchBracket},
};

}  // namespace

void TSynEditKeyStrokes::resetDefaults() {
    items_.clear();
    pending_.reset();
    for (const KeyRow& row : kDefaultRows) {
        const std::pair<TSynEditorCommand, TShiftState> cells[] = {
            {row.alone, ssNone}, {row.withShift, ssShift}, {row.withCtrl, ssCtrl}, {row.withShiftCtrl, ssShift | ssCtrl}};
        for (const auto& [command, shift] : cells)
            if (command != ecNone) add(command, row.key, shift);
    }
    for (int digit = 0; digit <= 9; ++digit) {
        add(ecGotoMarker0 + digit, '0' + digit, ssCtrl);
        add(ecSetMarker0 + digit, '0' + digit, ssShift | ssCtrl);
    }
    add(ecUndo, vk::Back, ssAlt);
    add(ecRedo, vk::Back, ssShift | ssAlt);
}

void TSynEditKeyStrokes::add(const TSynEditKeyStroke& stroke) {
    // A single-stroke binding and a two-stroke binding that starts with the same press would make
    // the second unreachable, so they count as a clash too.
    bool clash = std::any_of(items_.begin(), items_.end(), [&](const TSynEditKeyStroke& existing) {
        if (existing.sameKeysAs(stroke)) return true;
        return existing.first == stroke.first && (!existing.second || !stroke.second);
    });
    if (clash) throw AppError("Shortcut already exists");
    items_.push_back(stroke);
}

void TSynEditKeyStrokes::add(TSynEditorCommand command, int key, TShiftState shift) {
    add(TSynEditKeyStroke{TSynKeyPress{key, shift}, std::nullopt, command});
}

TSynEditorCommand TSynEditKeyStrokes::findCommand(int key, TShiftState shift) const {
    const TSynKeyPress press{key, shift};
    for (const TSynEditKeyStroke& stroke : items_)
        if (!stroke.second && stroke.first == press) return stroke.command;
    return ecNone;
}

TSynKeyLookup TSynEditKeyStrokes::press(int key, TShiftState shift) {
    const TSynKeyPress current{key, shift};
    if (pending_) {
        const TSynKeyPress first = *pending_;
        pending_.reset();
        for (const TSynEditKeyStroke& stroke : items_)
            if (stroke.second && stroke.first == first && *stroke.second == current) return {stroke.command, false};
        // Not a chord after all: the second press counts on its own.
    }
    for (const TSynEditKeyStroke& stroke : items_) {
        if (!(stroke.first == current)) continue;
        if (!stroke.second) return {stroke.command, false};
        pending_ = current;
        return {ecNone, true};
    }
    return {};
}

}  // namespace veyrin

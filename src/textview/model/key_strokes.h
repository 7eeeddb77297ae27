#pragma once
// The view's key table: which key press (optionally followed by a second one) runs which command.
// Keys are platform-neutral integers with the values of the Windows virtual keys; the widget layer
// translates its own key events into them.

#include "textview/model/editor_commands.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace veyrin {

namespace vk {
constexpr int Back = 0x08;
constexpr int Tab = 0x09;
constexpr int Return = 0x0D;
constexpr int Prior = 0x21;  // Page Up
constexpr int Next = 0x22;   // Page Down
constexpr int End = 0x23;
constexpr int Home = 0x24;
constexpr int Left = 0x25;
constexpr int Up = 0x26;
constexpr int Right = 0x27;
constexpr int Down = 0x28;
constexpr int Insert = 0x2D;
constexpr int Delete = 0x2E;
constexpr int F1 = 0x70;
// Digits and letters are their ASCII capitals: '0'..'9', 'A'..'Z'.
}  // namespace vk

using TShiftState = std::uint8_t;
constexpr TShiftState ssNone = 0;
constexpr TShiftState ssShift = 1;
constexpr TShiftState ssAlt = 2;
constexpr TShiftState ssCtrl = 4;

struct TSynKeyPress {
    int key = 0;
    TShiftState shift = ssNone;
    friend bool operator==(const TSynKeyPress&, const TSynKeyPress&) = default;
};

struct TSynEditKeyStroke {
    TSynKeyPress first;
    std::optional<TSynKeyPress> second;  // for two-stroke bindings
    TSynEditorCommand command = ecNone;

    bool sameKeysAs(const TSynEditKeyStroke& other) const {
        return first == other.first && second == other.second;
    }
};

// Result of feeding one key press to the table.
struct TSynKeyLookup {
    TSynEditorCommand command = ecNone;  // ecNone: no binding completed by this press
    bool awaitingSecondKey = false;      // the press began a two-stroke binding; swallow it
};

class TSynEditKeyStrokes {
public:
    TSynEditKeyStrokes() { resetDefaults(); }

    // Rebuilds the default table from scratch.
    void resetDefaults();
    void clear() { items_.clear(); }

    // Adding a binding whose keys are already bound raises AppError("Shortcut already exists").
    void add(const TSynEditKeyStroke& stroke);
    void add(TSynEditorCommand command, int key, TShiftState shift);

    int count() const { return static_cast<int>(items_.size()); }
    const TSynEditKeyStroke& item(int index) const { return items_.at(static_cast<size_t>(index)); }
    const std::vector<TSynEditKeyStroke>& items() const { return items_; }

    // Single-stroke lookup; ecNone when the press is not bound on its own.
    TSynEditorCommand findCommand(int key, TShiftState shift) const;

    // Stateful lookup for the widget: remembers a press that starts a two-stroke binding and
    // resolves it with the next press.
    TSynKeyLookup press(int key, TShiftState shift);
    void cancelPendingChord() { pending_.reset(); }

private:
    std::vector<TSynEditKeyStroke> items_;
    std::optional<TSynKeyPress> pending_;
};

}  // namespace veyrin

// Input: a sequence of operations on the view's key table: bindings added (from Qt keys and
// modifiers, or raw key numbers, optionally two strokes), key presses fed as the widget feeds
// them, defaults restored, the table cleared, and keyboard-map rows translated. The table must
// never hold two bindings one press could not tell apart, a binding added must be found, and a
// press must run what the table binds.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <vector>

#include "platform/model/app_error.h"
#include "textview/model/key_strokes.h"
#include "textview/ui/key_translation.h"

namespace {

using veyrin::TShiftState;
using veyrin::TSynEditKeyStroke;
using veyrin::TSynEditKeyStrokes;
using veyrin::TSynKeyPress;

constexpr int kDefaultBindings = 82;

// Every number the translation may give: the table's names for keys, nothing else.
bool isKnownKey(int key) {
    if (key == 0 || key == 0x20 || (key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return true;
    if (key >= veyrin::vk::F1 && key <= veyrin::vk::F1 + 23) return true;
    for (int named : {0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0, 0xDB, 0xDC, 0xDD, 0xDE})
        if (key == named) return true;
    using namespace veyrin::vk;
    for (int named : {Back, Tab, Return, Prior, Next, End, Home, Left, Up, Right, Down, Insert, Delete})
        if (key == named) return true;
    return false;
}

TSynKeyPress pressFrom(FuzzedDataProvider& in) {
    int key = 0;
    if (in.ConsumeBool()) {
        // Qt's keys: printable ones by their code, the rest from 0x01000000 up.
        const int qtKey = in.ConsumeBool() ? in.ConsumeIntegralInRange<int>(0x20, 0x7E)
                                           : 0x01000000 + in.ConsumeIntegralInRange<int>(0, 0x60);
        key = veyrin::virtualKeyFor(qtKey);
        if (!isKnownKey(key)) std::abort();
    } else {
        key = in.ConsumeIntegralInRange<int>(0, 0xFF);
    }
    const auto modifiers = Qt::KeyboardModifiers::fromInt(in.ConsumeIntegral<int>() & 0x0E000000);
    return {key, veyrin::shiftStateFor(modifiers)};
}

bool clash(const TSynEditKeyStroke& a, const TSynEditKeyStroke& b) {
    return a.first == b.first && (!a.second || !b.second || *a.second == *b.second);
}

void checkNoClashes(const TSynEditKeyStrokes& table) {
    const auto& items = table.items();
    for (std::size_t i = 0; i < items.size(); ++i)
        for (std::size_t j = i + 1; j < items.size(); ++j)
            if (clash(items[i], items[j])) std::abort();
}

std::optional<veyrin::TSynEditorCommand> chordCommand(const TSynEditKeyStrokes& table, TSynKeyPress first,
                                                      TSynKeyPress second) {
    for (const TSynEditKeyStroke& stroke : table.items())
        if (stroke.second && stroke.first == first && *stroke.second == second) return stroke.command;
    return std::nullopt;
}

void addBinding(FuzzedDataProvider& in, TSynEditKeyStrokes& table) {
    TSynEditKeyStroke stroke;
    stroke.first = pressFrom(in);
    if (in.ConsumeBool()) stroke.second = pressFrom(in);
    stroke.command = in.ConsumeIntegralInRange<veyrin::TSynEditorCommand>(1, 1100);
    const int before = table.count();
    const bool clashes = std::any_of(table.items().begin(), table.items().end(),
                                     [&](const TSynEditKeyStroke& existing) { return clash(existing, stroke); });
    try {
        table.add(stroke);
    } catch (const veyrin::AppError&) {
        if (!clashes || table.count() != before) std::abort();
        return;
    }
    if (clashes || table.count() != before + 1) std::abort();
    if (!stroke.second && table.findCommand(stroke.first.key, stroke.first.shift) != stroke.command) std::abort();
}

void translateRow(FuzzedDataProvider& in) {
    std::vector<quint32> row(in.ConsumeIntegralInRange<std::size_t>(0, 8));
    for (quint32& sym : row) sym = in.ConsumeBool() ? in.ConsumeIntegralInRange<quint32>(0x20, 0x7E) : in.ConsumeIntegral<quint32>();
    const int group = in.ConsumeIntegralInRange<int>(0, 3);
    const int key = veyrin::virtualKeyForKeysymRow(row, group);
    if (!isKnownKey(key)) std::abort();
    // Only two groups exist for the table; a third or fourth is read as the first.
    if (group > 1 && key != veyrin::virtualKeyForKeysymRow(row, 0)) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    TSynEditKeyStrokes table;
    if (table.count() != kDefaultBindings) std::abort();
    checkNoClashes(table);
    std::optional<TSynKeyPress> pending;
    while (in.remaining_bytes() > 0) {
        switch (in.ConsumeIntegralInRange(0, 9)) {
            case 0: table.resetDefaults(); pending.reset();
                if (table.count() != kDefaultBindings) std::abort();
                checkNoClashes(table);
                break;
            case 1: table.clear(); break;
            case 2: translateRow(in); break;
            case 3: case 4: case 5: addBinding(in, table); checkNoClashes(table); break;
            default: {
                const TSynKeyPress press = pressFrom(in);
                const veyrin::TSynKeyLookup result = table.press(press.key, press.shift);
                const auto chord = pending ? chordCommand(table, *pending, press) : std::nullopt;
                if (chord) {
                    if (result.command != *chord || result.awaitingSecondKey) std::abort();
                } else if (!result.awaitingSecondKey && result.command != table.findCommand(press.key, press.shift)) {
                    std::abort();
                }
                pending = result.awaitingSecondKey ? std::optional(press) : std::nullopt;
                break;
            }
        }
    }
    return 0;
}

#pragma once
// Qt key events in the terms of the view's key table: virtual-key numbers and shift flags.
//
// A chord names its key by what the key says unshifted: the table binds Shift+Ctrl+1, yet the X
// server reports that press as "!" (and a French keyboard's "1" key says "&" until shifted). So
// the key is looked up by its keycode in the keyboard map where the platform reports one, and
// otherwise taken back through the US symbol row.

#include "textview/model/key_strokes.h"

#include <QtGlobal>

#include <Qt>
#include <span>

class QKeyEvent;

namespace veyrin {

// The virtual key of a key press, 0 when the table has no name for it.
int virtualKeyFor(const QKeyEvent& event);

// The virtual key for an unshifted Qt key, or 0 when the table has no name for it.
int virtualKeyFor(int qtKey);

// The virtual key of one keycode's row of the X core keyboard map (group 1 base and shifted,
// group 2 base and shifted, ...) in the given keyboard group; 0 when no symbol of the row names one.
int virtualKeyForKeysymRow(std::span<const quint32> row, int group);

TShiftState shiftStateFor(Qt::KeyboardModifiers modifiers);

}  // namespace veyrin

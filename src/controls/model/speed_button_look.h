#pragma once
// What a flat speed button looks like in each of its states: which colour fills it, which frame
// it wears and which picture of its glyph strip it shows. Kept apart from the widget so the rules
// can be checked without a display.

#include <optional>

#include "platform/model/color.h"

namespace veyrin {

enum class SpeedButtonState { Up, Disabled, Pressed, Latched };

enum class TTransparentMode { tmAlways, tmNotFocused, tmNone };

enum class SpeedButtonBorder { Flat, Raised, Sunken };

struct SpeedButtonColors {
    TColor color = 0xE1EAEB;
    TColor colorFocused = 0xE1EAEB;
    TColor colorDown = 0xC5D6D9;
    TColor colorBorder = 0x8396A0;
    TColor colorHighLight = 0xFFFFFF;
    TColor colorShadow = 0x000000;
};

// The colour that fills the client area, or nothing when the parent shows through.
std::optional<TColor> speedButtonBackground(TTransparentMode mode, SpeedButtonState state, bool mouseInside,
                                            const SpeedButtonColors& colors);

SpeedButtonBorder speedButtonBorder(SpeedButtonState state, bool mouseInside);

// Index of the picture of a strip of numGlyphs (1-4) pictures shown in a state.
int glyphIndexForState(int numGlyphs, SpeedButtonState state);

// Pictures in a strip of the given size: width div height when the width is a multiple of the
// height (1 when that exceeds 4); otherwise the current count stays.
int numGlyphsForStrip(int width, int height, int currentNumGlyphs);

// A release or drag position counts as on the button when 0 <= x < width and 0 <= y <= height:
// the row just below the last one still belongs to the button, the column right of it does not.
bool isPointOnSpeedButton(int x, int y, int width, int height);

// The state a held button shows while the mouse is dragged.
SpeedButtonState stateWhileDragging(bool onButton, bool down);

// The state a button settles in before painting.
SpeedButtonState settledState(SpeedButtonState current, bool enabled, bool down, int groupIndex);

}  // namespace veyrin

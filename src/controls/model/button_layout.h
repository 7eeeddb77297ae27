#pragma once
// The themed push button's arithmetic: which skin frame a state shows, where glyph and caption go,
// and the size the button takes from its skin.

#include "controls/model/check_box_geometry.h"

#include "controls/model/glyph_layout.h"

namespace veyrin {

// Skin frame (1-based, of 3): disabled and normal 1, hot 2, pressed 3.
int buttonSkinFrame(bool enabled, bool pressed, bool hot);

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

struct GlyphPlacement {
    Point glyph;
    Point caption;
};

// Button W x H, glyph gw x gh, caption extent tw x th; halves truncate.
GlyphPlacement placeGlyph(TButtonLayout layout, ControlSize button, ControlSize glyph, ControlSize caption,
                          int spacing);

// Size of a button that follows its skin (a strip of 3 frames). A skin that failed to load counts
// as 74 x 21 for the whole strip, as the painting fallback does, and so gives one third of it.
ControlSize buttonAutoSize(int skinWidth, int skinHeight);

constexpr int kEmptySkinWidth = 74;
constexpr int kEmptySkinHeight = 21;

}  // namespace veyrin

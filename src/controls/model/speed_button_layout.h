#pragma once
// Where a flat speed button puts its glyph and its caption inside the client area. Computed at
// the start of every paint, so a change of font, caption, glyph or size needs no extra bookkeeping.

#include "controls/model/glyph_layout.h"

namespace veyrin {

struct LayoutSize {
    int width = 0;
    int height = 0;
};

struct LayoutPoint {
    int x = 0;
    int y = 0;
    bool operator==(const LayoutPoint&) const = default;
};

// Right and bottom are exclusive.
struct LayoutRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const LayoutRect&) const = default;
};

struct SpeedButtonLayoutInput {
    LayoutSize client;
    LayoutSize glyph;    // one picture of the strip; 0 x 0 without a glyph
    LayoutSize caption;  // the caption measured as one line; 0 x 0 for an empty caption
    TButtonLayout layout = TButtonLayout::blGlyphTop;
    int margin = -1;   // -1 centres the glyph-and-caption block
    int spacing = 4;   // -1 spreads the free space evenly
    bool sunken = false;  // pressed or latched: the contents move by one pixel right and down
};

struct SpeedButtonLayout {
    LayoutPoint glyphPos;
    LayoutRect textBounds;
};

SpeedButtonLayout layoutSpeedButton(const SpeedButtonLayoutInput& input);

}  // namespace veyrin

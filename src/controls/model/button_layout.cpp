#include "controls/model/button_layout.h"

namespace veyrin {

int buttonSkinFrame(bool enabled, bool pressed, bool hot) {
    if (!enabled) return 1;
    if (pressed) return 3;
    return hot ? 2 : 1;
}

GlyphPlacement placeGlyph(TButtonLayout layout, ControlSize b, ControlSize g, ControlSize t, int spacing) {
    GlyphPlacement p;
    switch (layout) {
    case TButtonLayout::blGlyphLeft:
        p.glyph = {(b.width - g.width - t.width - spacing) / 2, (b.height - g.height) / 2};
        p.caption = {p.glyph.x + g.width + spacing, (b.height - t.height) / 2};
        break;
    case TButtonLayout::blGlyphRight:
        p.glyph = {(b.width + t.width + spacing - g.width) / 2, (b.height - g.height) / 2};
        p.caption = {p.glyph.x - t.width - spacing, (b.height - t.height) / 2};
        break;
    case TButtonLayout::blGlyphTop:
        p.glyph = {(b.width - g.width) / 2, (b.height - t.height - g.height - spacing) / 2};
        p.caption = {(b.width - t.width) / 2, p.glyph.y + g.height + spacing};
        break;
    case TButtonLayout::blGlyphBottom:
        p.glyph = {(b.width - g.width) / 2, (b.height + t.height + spacing - g.height) / 2};
        p.caption = {(b.width - t.width) / 2, p.glyph.y - t.height - spacing};
        break;
    }
    return p;
}

ControlSize buttonAutoSize(int skinWidth, int skinHeight) {
    int width = skinWidth > 0 ? skinWidth : kEmptySkinWidth;
    int height = skinHeight > 0 ? skinHeight : kEmptySkinHeight;
    return {width / 3, height};
}

}  // namespace veyrin

#include "controls/model/speed_button_layout.h"

namespace veyrin {
namespace {

bool isHorizontal(TButtonLayout layout) {
    return layout == TButtonLayout::blGlyphLeft || layout == TButtonLayout::blGlyphRight;
}

// Lengths along the axis on which glyph and caption are stacked.
struct AxisLengths {
    int client;
    int glyph;
    int caption;
};

AxisLengths stackingAxis(const SpeedButtonLayoutInput& in) {
    if (isHorizontal(in.layout)) return {in.client.width, in.glyph.width, in.caption.width};
    return {in.client.height, in.glyph.height, in.caption.height};
}

struct MarginAndSpacing {
    int margin;
    int spacing;
};

MarginAndSpacing resolveMarginAndSpacing(const SpeedButtonLayoutInput& in, bool hasGlyph, bool hasCaption) {
    AxisLengths axis = stackingAxis(in);
    int margin = in.margin;
    int spacing = (hasGlyph && hasCaption) ? in.spacing : 0;
    if (margin == -1) {
        if (spacing == -1) {
            margin = (axis.client - axis.glyph - axis.caption) / 3;
            spacing = margin;
        } else {
            margin = (axis.client - (axis.glyph + spacing + axis.caption) + 1) / 2;
        }
    } else if (spacing == -1) {
        spacing = ((axis.client - margin - axis.glyph) - axis.caption) / 2;
    }
    return {margin, spacing};
}

}  // namespace

SpeedButtonLayout layoutSpeedButton(const SpeedButtonLayoutInput& in) {
    const bool hasGlyph = in.glyph.width > 0 && in.glyph.height > 0;
    const bool hasCaption = in.caption.width > 0 || in.caption.height > 0;
    LayoutPoint glyph;
    LayoutPoint caption;

    // Centre both across the stacking axis.
    if (isHorizontal(in.layout)) {
        glyph.y = (in.client.height - in.glyph.height + 1) / 2;
        caption.y = (in.client.height - in.caption.height + 1) / 2;
    } else {
        glyph.x = (in.client.width - in.glyph.width + 1) / 2;
        caption.x = (in.client.width - in.caption.width + 1) / 2;
    }

    auto [margin, spacing] = resolveMarginAndSpacing(in, hasGlyph, hasCaption);
    switch (in.layout) {
        case TButtonLayout::blGlyphLeft:
            glyph.x = margin;
            caption.x = glyph.x + in.glyph.width + spacing;
            break;
        case TButtonLayout::blGlyphRight:
            glyph.x = in.client.width - margin - in.glyph.width;
            caption.x = glyph.x - spacing - in.caption.width;
            break;
        case TButtonLayout::blGlyphTop:
            glyph.y = margin;
            caption.y = glyph.y + in.glyph.height + spacing;
            break;
        case TButtonLayout::blGlyphBottom:
            glyph.y = in.client.height - margin - in.glyph.height;
            caption.y = glyph.y - spacing - in.caption.height;
            break;
    }

    if (in.sunken) {
        glyph.x += 1;
        glyph.y += 1;
        caption.x += 1;
        caption.y += 1;
    }
    return {glyph, {caption.x, caption.y, caption.x + in.caption.width, caption.y + in.caption.height}};
}

}  // namespace veyrin

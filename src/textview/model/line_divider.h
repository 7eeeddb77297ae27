#pragma once
// The ruled line drawn along the bottom pixel row of every display row of text.

#include "platform/model/color.h"
#include "textview/model/pen_style.h"
#include "textview/model/settings_object.h"

namespace veyrin {

class TSynLineDivider : public TSynSettingsObject {
public:
    bool Visible() const { return visible_; }
    TColor Color() const { return color_; }
    TPenStyle Style() const { return style_; }
    void setVisible(bool visible) { store(visible_, visible); }
    void setColor(TColor color) { store(color_, color); }
    void setStyle(TPenStyle style) { store(style_, style); }
    void Assign(const TSynLineDivider& other) {
        visible_ = other.visible_;
        color_ = other.color_;
        style_ = other.style_;
        changed();
    }

private:
    bool visible_ = false;
    TColor color_ = clRed;
    TPenStyle style_ = psSolid;
};

}  // namespace veyrin

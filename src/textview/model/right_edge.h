#pragma once
// The vertical marker line after a column (hidden in both windows of the program).

#include "platform/model/color.h"
#include "textview/model/pen_style.h"
#include "textview/model/settings_object.h"

namespace veyrin {

class TSynRightEdge : public TSynSettingsObject {
public:
    bool Visible() const { return visible_; }
    int Position() const { return position_; }
    TColor Color() const { return color_; }
    TPenStyle Style() const { return style_; }
    bool MouseMove() const { return mouseMove_; }
    void setVisible(bool visible) { store(visible_, visible); }
    void setPosition(int position) { store(position_, position); }
    void setColor(TColor color) { store(color_, color); }
    void setStyle(TPenStyle style) { store(style_, style); }
    void setMouseMove(bool mouseMove) { store(mouseMove_, mouseMove); }
    void Assign(const TSynRightEdge& other) {
        visible_ = other.visible_;
        position_ = other.position_;
        color_ = other.color_;
        style_ = other.style_;
        mouseMove_ = other.mouseMove_;
        changed();
    }

private:
    bool visible_ = true;
    int position_ = 80;
    TColor color_ = clSilver;
    TPenStyle style_ = psSolid;
    bool mouseMove_ = false;
};

}  // namespace veyrin

#pragma once
// Colours of the display row that holds the caret; clNone falls back to the view's own colours.

#include "platform/model/color.h"
#include "textview/model/settings_object.h"

namespace veyrin {

class TSynActiveLine : public TSynSettingsObject {
public:
    bool Visible() const { return visible_; }
    TColor Background() const { return background_; }
    TColor Foreground() const { return foreground_; }
    void setVisible(bool visible) { store(visible_, visible); }
    void setBackground(TColor color) { store(background_, color); }
    void setForeground(TColor color) { store(foreground_, color); }
    void Assign(const TSynActiveLine& other) {
        visible_ = other.visible_;
        background_ = other.background_;
        foreground_ = other.foreground_;
        changed();
    }

private:
    bool visible_ = true;
    TColor background_ = clYellow;
    TColor foreground_ = clNavy;
};

}  // namespace veyrin

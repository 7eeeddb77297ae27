#pragma once
// Colours of selected text.

#include "platform/model/color.h"
#include "textview/model/settings_object.h"

namespace veyrin {

class TSynSelectedColor : public TSynSettingsObject {
public:
    TColor Background() const { return background_; }
    TColor Foreground() const { return foreground_; }
    void setBackground(TColor color) { store(background_, color); }
    void setForeground(TColor color) { store(foreground_, color); }
    void Assign(const TSynSelectedColor& other) {
        background_ = other.background_;
        foreground_ = other.foreground_;
        changed();
    }

private:
    TColor background_ = clHighlight;
    TColor foreground_ = clHighlightText;
};

}  // namespace veyrin

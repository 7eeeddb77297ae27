#pragma once
// Whether and where the view wraps its lines into display rows.

#include "textview/model/settings_object.h"

namespace veyrin {

enum TSynWordWrapStyle { wwsClientWidth, wwsRightEdge, wwsSpecified };

class TSynWordWrap : public TSynSettingsObject {
public:
    bool Enabled() const { return enabled_; }
    int Position() const { return position_; }
    TSynWordWrapStyle Style() const { return style_; }
    void setEnabled(bool enabled) { store(enabled_, enabled); }
    void setPosition(int position) { store(position_, position); }
    void setStyle(TSynWordWrapStyle style) { store(style_, style); }
    void Assign(const TSynWordWrap& other) {
        enabled_ = other.enabled_;
        position_ = other.position_;
        style_ = other.style_;
        changed();
    }

private:
    bool enabled_ = false;
    int position_ = 80;
    TSynWordWrapStyle style_ = wwsClientWidth;
};

// The wrap column: cells in the window, the right edge or a fixed column, held in 8 bits (255 at most).
int wrapColumnFor(const TSynWordWrap& wordWrap, int charsInWindow, int rightEdgePosition);

}  // namespace veyrin

#pragma once
// The caret and the selection of the text view, in buffer positions. The selection runs between the
// anchor and the caret in either order; there is one when they differ (stream selection).

#include "textview/model/buffer_coord.h"

namespace veyrin {

enum TSynSelectionMode { smNormal, smLine, smColumn };

class TSynCaretSelection {
public:
    TBufferCoord caret() const { return caret_; }
    TBufferCoord anchor() const { return anchor_; }
    TSynSelectionMode mode() const { return mode_; }
    void setMode(TSynSelectionMode mode) { mode_ = mode; }

    // Moves the caret; without `extend` the anchor follows, collapsing the selection.
    void moveCaret(TBufferCoord to, bool extend);
    void select(TBufferCoord anchor, TBufferCoord caret);
    void collapseOntoCaret() { anchor_ = caret_; }

    bool hasSelection() const { return !(anchor_ == caret_); }
    TBufferCoord selectionBegin() const { return caret_ < anchor_ ? caret_ : anchor_; }
    TBufferCoord selectionEnd() const { return caret_ < anchor_ ? anchor_ : caret_; }
    // Whether a byte of a line lies in the selection ([begin, end) in stream order).
    bool contains(TBufferCoord pos) const;

private:
    TBufferCoord caret_;
    TBufferCoord anchor_;
    TSynSelectionMode mode_ = smNormal;
};

}  // namespace veyrin

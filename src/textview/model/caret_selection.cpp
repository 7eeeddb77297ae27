#include "textview/model/caret_selection.h"

namespace veyrin {

void TSynCaretSelection::moveCaret(TBufferCoord to, bool extend) {
    caret_ = to;
    if (!extend) anchor_ = to;
}

void TSynCaretSelection::select(TBufferCoord anchor, TBufferCoord caret) {
    anchor_ = anchor;
    caret_ = caret;
}

bool TSynCaretSelection::contains(TBufferCoord pos) const {
    return hasSelection() && !(pos < selectionBegin()) && pos < selectionEnd();
}

}  // namespace veyrin

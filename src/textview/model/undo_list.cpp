#include "textview/model/undo_list.h"

#include <stdexcept>
#include <utility>

namespace veyrin {

bool isInsertion(TSynChangeReason reason) {
    switch (reason) {
        case TSynChangeReason::crInsert:
        case TSynChangeReason::crImeInsert:
        case TSynChangeReason::crPaste:
        case TSynChangeReason::crDragDropInsert:
        case TSynChangeReason::crLineBreak:
            return true;
        default:
            return false;
    }
}

bool groupsWithNeighbours(TSynChangeReason reason) {
    // Each paste, drop and input-method string is a deliberate unit of its own.
    switch (reason) {
        case TSynChangeReason::crImeInsert:
        case TSynChangeReason::crPaste:
        case TSynChangeReason::crDragDropInsert:
        case TSynChangeReason::crDragDropDelete:
        case TSynChangeReason::crSelectionDelete:
            return false;
        default:
            return true;
    }
}

bool inSameUndoStep(const TSynEditUndoItem& earlier, const TSynEditUndoItem& later, bool groupUndo) {
    if (earlier.changeNumber == later.changeNumber) return true;
    return groupUndo && !earlier.groupBreakAfter && earlier.reason == later.reason &&
           groupsWithNeighbours(earlier.reason);
}

int TSynEditUndoList::nextChangeNumber() {
    if (blockDepth_ > 0) {
        if (blockChangeNumber_ == 0) blockChangeNumber_ = ++lastChangeNumber_;
        return blockChangeNumber_;
    }
    return ++lastChangeNumber_;
}

void TSynEditUndoList::addChange(TSynChangeReason reason, TBufferCoord start, TBufferCoord end, std::string text,
                                 TSynSelectionMode selMode) {
    TSynEditUndoItem item;
    item.reason = reason;
    item.selMode = selMode;
    item.start = start;
    item.end = end;
    item.text = std::move(text);
    item.changeNumber = nextChangeNumber();
    pushItem(std::move(item));
}

void TSynEditUndoList::pushItem(TSynEditUndoItem item) {
    if (maxItems_ == 0) return;
    while (items_.size() >= maxItems_) items_.pop_front();
    if (item.changeNumber > lastChangeNumber_) lastChangeNumber_ = item.changeNumber;
    items_.push_back(std::move(item));
}

TSynEditUndoItem TSynEditUndoList::popItem() {
    if (items_.empty()) throw std::logic_error("popItem on an empty undo list");
    TSynEditUndoItem item = std::move(items_.back());
    items_.pop_back();
    return item;
}

void TSynEditUndoList::beginBlock() {
    if (blockDepth_++ == 0) blockChangeNumber_ = 0;  // numbered lazily: an empty block costs nothing
}

void TSynEditUndoList::endBlock() {
    if (blockDepth_ == 0) return;
    if (--blockDepth_ == 0) blockChangeNumber_ = 0;
}

void TSynEditUndoList::addGroupBreak() {
    if (!items_.empty()) items_.back().groupBreakAfter = true;
}

void TSynEditUndoList::clear() {
    items_.clear();
    // Change numbers keep counting so a block still open keeps a number of its own.
    if (blockDepth_ > 0) blockChangeNumber_ = 0;
}

}  // namespace veyrin

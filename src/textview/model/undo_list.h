#pragma once
// Undo and redo history of the text view. Each item records one text change precisely enough to
// reverse it; the engine decides how items replay (editor_engine.cpp).

#include "textview/model/buffer_coord.h"
#include "textview/model/caret_selection.h"

#include <cstddef>
#include <deque>
#include <string>

namespace veyrin {

// Why the text changed. Kinds that group under eoGroupUndo undo together when consecutive.
enum class TSynChangeReason {
    crInsert,             // typed text: [start, end) now holds `text`
    crImeInsert,          // one finished input-method string; never grouped
    crPaste,              // never grouped
    crDragDropInsert,     // never grouped
    crLineBreak,          // a line break typed at start
    crDelete,             // `text` removed at start, caret was after it (Backspace)
    crDeleteAfterCursor,  // `text` removed at start, caret was before it (Delete)
    crSelectionDelete,    // the selection [start, end) removed; undo selects it again
    crDragDropDelete,     // the source of a moved drag
};

bool isInsertion(TSynChangeReason reason);
bool groupsWithNeighbours(TSynChangeReason reason);

struct TSynEditUndoItem {
    TSynChangeReason reason = TSynChangeReason::crInsert;
    TSynSelectionMode selMode = smNormal;
    TBufferCoord start;  // first position of the text in the buffer
    TBufferCoord end;    // position just after the text
    std::string text;   // the inserted or removed bytes, lines joined with CR LF
    int changeNumber = 0;
    bool groupBreakAfter = false;  // a caret move or similar followed; later changes start a new group
};

class TSynEditUndoList {
public:
    static constexpr std::size_t kDefaultMaxItems = 1024;

    explicit TSynEditUndoList(std::size_t maxItems = kDefaultMaxItems) : maxItems_(maxItems) {}

    // Records a change. Inside a block it shares the block's change number; otherwise it gets a
    // fresh one. When full, the oldest item is dropped.
    void addChange(TSynChangeReason reason, TBufferCoord start, TBufferCoord end, std::string text,
                   TSynSelectionMode selMode = smNormal);
    // Puts back an item as it was (used when moving items between the undo and redo lists).
    void pushItem(TSynEditUndoItem item);
    TSynEditUndoItem popItem();
    const TSynEditUndoItem* peekItem() const { return items_.empty() ? nullptr : &items_.back(); }

    // Blocks nest; all changes until the outermost EndBlock share one change number.
    void beginBlock();
    void endBlock();
    int blockDepth() const { return blockDepth_; }

    // Ends the current group: the next change will not undo together with the last one.
    void addGroupBreak();

    void clear();
    bool canUndo() const { return !items_.empty(); }
    bool empty() const { return items_.empty(); }
    std::size_t size() const { return items_.size(); }
    std::size_t maxItems() const { return maxItems_; }
    const TSynEditUndoItem& item(std::size_t index) const { return items_.at(index); }

private:
    int nextChangeNumber();

    std::deque<TSynEditUndoItem> items_;
    std::size_t maxItems_;
    int blockDepth_ = 0;
    int blockChangeNumber_ = 0;
    int lastChangeNumber_ = 0;
};

// Whether two neighbouring items (`earlier` recorded just before `later`) undo and redo as one step:
// same change number, or (with eoGroupUndo) the same groupable kind with no break between them.
bool inSameUndoStep(const TSynEditUndoItem& earlier, const TSynEditUndoItem& later, bool groupUndo);

}  // namespace veyrin

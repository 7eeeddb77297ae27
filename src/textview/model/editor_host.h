#pragma once
// What the command engine needs from the view: the lines, the display rows of the layout, the
// scroll position and the caret. The view implements it over its line store and word-wrap index;
// tests implement it over plain vectors.

#include "textview/model/buffer_coord.h"
#include "textview/model/caret_selection.h"

#include <optional>
#include <string_view>

namespace veyrin {

class ISynEditHost {
public:
    virtual ~ISynEditHost() = default;

    // Lines, 0-based indexes. Mutations arrive bracketed by beginUpdate/endUpdate.
    virtual int lineCount() const = 0;
    virtual std::string_view lineText(int index) const = 0;
    virtual void putLine(int index, std::string_view text) = 0;
    virtual void insertLine(int index, std::string_view text) = 0;
    virtual void deleteLine(int index) = 0;
    virtual void beginUpdate() = 0;
    virtual void endUpdate() = 0;

    // Layout: display rows and the mapping between buffer and display positions.
    virtual int rowCount() const = 0;
    virtual TDisplayCoord bufferToDisplay(TBufferCoord pos) const = 0;
    virtual TBufferCoord displayToBuffer(TDisplayCoord pos) const = 0;
    virtual int rowLength(int row) const = 0;  // cells in the row
    virtual int linesInWindow() const = 0;
    virtual int topLine() const = 0;
    virtual void setTopLine(int row) = 0;  // clamps

    // Caret and selection anchor, held by the view (it paints them).
    virtual TBufferCoord caret() const = 0;
    virtual TBufferCoord anchor() const = 0;
    virtual void setCaretAndAnchor(TBufferCoord caret, TBufferCoord anchor) = 0;
};

// The clipboard as the engine sees it. Writing may raise AppError("Clipboard copy operation
// failed"); reading answers the private block when present, else plain text in normal mode.
struct TSynClipboardBlock;
class ISynEditClipboard {
public:
    virtual ~ISynEditClipboard() = default;
    virtual void write(const TSynClipboardBlock& block) = 0;
    virtual std::optional<TSynClipboardBlock> read() = 0;
    virtual bool hasText() const = 0;
};

}  // namespace veyrin

#pragma once
// Rows and lines of the view: through the word-wrap index while word wrap is on, one row per line
// otherwise. The view and the editing commands ask this, never the index directly.

#include <memory>

#include "textview/model/buffer_coord.h"
#include "textview/model/word_wrap_plugin.h"

namespace veyrin {

class TSynEditStringList;

class TSynDisplayMap {
public:
    explicit TSynDisplayMap(const TSynEditStringList& lines);

    bool wordWrap() const { return wrap_ != nullptr; }
    // Switching on builds the index at the given column; switching off drops it.
    void setWordWrap(bool enabled, int wrapColumn);
    TSynWordWrapPlugin* plugin() { return wrap_.get(); }
    const TSynWordWrapPlugin* plugin() const { return wrap_.get(); }

    int rowCount() const;
    int lineToRow(int line) const;
    int rowToLine(int row) const;
    int rowsOfLine(int line) const;
    // Cells of a row (the expanded line length without word wrap).
    int rowLength(int row) const;
    TDisplayCoord bufferToDisplay(TBufferCoord pos) const;
    TBufferCoord displayToBuffer(TDisplayCoord pos) const;

private:
    const TSynEditStringList& lines_;
    std::unique_ptr<TSynWordWrapPlugin> wrap_;
};

}  // namespace veyrin

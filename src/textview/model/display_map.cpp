#include "textview/model/display_map.h"

#include "textview/model/gbk_cells.h"
#include "textview/model/line_store.h"
#include "textview/model/tab_expansion.h"

namespace veyrin {

TSynDisplayMap::TSynDisplayMap(const TSynEditStringList& lines) : lines_(lines) {}

void TSynDisplayMap::setWordWrap(bool enabled, int wrapColumn) {
    if (!enabled) {
        wrap_.reset();
        return;
    }
    if (!wrap_) wrap_ = std::make_unique<TSynWordWrapPlugin>(lines_);
    wrap_->Reset(wrapColumn);
}

int TSynDisplayMap::rowCount() const { return wrap_ ? wrap_->RowCount() : lines_.Count(); }

int TSynDisplayMap::lineToRow(int line) const { return wrap_ ? wrap_->LineToRow(line) : line; }

int TSynDisplayMap::rowToLine(int row) const { return wrap_ ? wrap_->RowToLine(row) : row; }

int TSynDisplayMap::rowsOfLine(int line) const { return wrap_ ? wrap_->RowsOfLine(line) : 1; }

int TSynDisplayMap::rowLength(int row) const {
    return wrap_ ? wrap_->GetRowLength(row) : lines_.ExpandedStringLength(row - 1);
}

TDisplayCoord TSynDisplayMap::bufferToDisplay(TBufferCoord pos) const {
    if (wrap_) return wrap_->BufferToDisplayPos(pos);
    return {byteToExpandedColumn(lines_.GetView(pos.Line - 1), pos.Char, lines_.TabWidth()), pos.Line};
}

TBufferCoord TSynDisplayMap::displayToBuffer(TDisplayCoord pos) const {
    if (wrap_) return wrap_->DisplayToBufferPos(pos);
    std::string_view text = lines_.GetView(pos.Row - 1);
    int column = expandedToByteColumn(text, pos.Column, lines_.TabWidth());
    if (isTrailByteAt(text, 0, static_cast<size_t>(column - 1))) ++column;
    return {column, pos.Row};
}

}  // namespace veyrin

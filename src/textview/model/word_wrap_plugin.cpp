#include "textview/model/word_wrap_plugin.h"

#include <algorithm>
#include <numeric>
#include <string>

#include "textview/model/gbk_cells.h"
#include "textview/model/line_store.h"
#include "textview/model/tab_expansion.h"

namespace veyrin {
namespace {

constexpr size_t kLineOffsetStep = 256;
constexpr size_t kRowLengthStep = 512;

// Bytes 0x21..0xFF make up words; everything below (controls and space) may end a row.
bool isBreakChar(char c) { return static_cast<unsigned char>(c) <= 0x20; }
bool isBlank(char c) { return c == ' ' || c == '\t'; }

// Grows in whole steps, but never by less than half the current size, so a file of many lines is
// indexed in linear time.
template <typename T>
void reserveInSteps(std::vector<T>& v, size_t needed, size_t step) {
    if (needed <= v.capacity()) return;
    size_t grown = std::max(needed, v.capacity() + v.capacity() / 2);
    v.reserve((grown + step - 1) / step * step);
}

template <typename T>
void shrinkToExact(std::vector<T>& v) {
    std::vector<T>(v.begin(), v.end()).swap(v);
}

}  // namespace

TSynWordWrapPlugin::TSynWordWrapPlugin(const TSynEditStringList& lines) : lines_(lines) {}

void TSynWordWrapPlugin::Reset(int wrapColumn) {
    maxRowLength_ = std::clamp(wrapColumn, 0, kMaxRowLength);
    minRowLength_ = std::max(1, maxRowLength_ - maxRowLength_ / 3);
    rewrapAll();
}

void TSynWordWrapPlugin::DisplayChanged(int wrapColumn) {
    if (std::clamp(wrapColumn, 0, kMaxRowLength) != maxRowLength_) Reset(wrapColumn);
}

void TSynWordWrapPlugin::rewrapAll() {
    lineOffsets_.clear();
    rowLengths_.clear();
    shrinkToExact(lineOffsets_);
    shrinkToExact(rowLengths_);
    if (maxRowLength_ > 0) LinesInserted(0, lines_.Count());
}

void TSynWordWrapPlugin::appendRowsOf(std::string_view s, int maxRow, int minRow, std::vector<std::uint8_t>& rows) {
    const int n = static_cast<int>(s.size());
    int start = 0;
    for (;;) {
        if (n - start <= maxRow) {
            rows.push_back(static_cast<std::uint8_t>(n - start));
            return;
        }
        int end;
        if (isBlank(s[static_cast<size_t>(start) + static_cast<size_t>(maxRow)])) {
            end = start + maxRow + 1;
            while (end < n && isBlank(s[static_cast<size_t>(end)])) ++end;
        } else {
            end = start + maxRow;
            for (int p = start + maxRow - 1; p >= start + minRow + 1; --p) {
                if (isBreakChar(s[static_cast<size_t>(p)])) {
                    end = p + 1;
                    break;
                }
            }
        }
        end = std::min(end, start + kMaxRowLength);
        if (isTrailByteAt(s, static_cast<size_t>(start), static_cast<size_t>(end))) --end;
        // A one-cell column cannot hold a double-byte character; let the row carry it whole.
        if (end <= start) end = std::min(n, start + 2);
        rows.push_back(static_cast<std::uint8_t>(end - start));
        start = end;
        // Blanks hanging at the end of the text do not open an empty row of their own.
        if (start >= n) return;
    }
}

std::vector<std::uint8_t> TSynWordWrapPlugin::wrapLine(std::string_view expanded, int wrapColumn) {
    std::vector<std::uint8_t> rows;
    int maxRow = std::clamp(wrapColumn, 1, kMaxRowLength);
    appendRowsOf(expanded, maxRow, std::max(1, maxRow - maxRow / 3), rows);
    return rows;
}

int TSynWordWrapPlugin::firstRowIndexOfLine(int lineIndex) const {
    return lineIndex == 0 ? 0 : lineOffsets_[static_cast<size_t>(lineIndex - 1)];
}

void TSynWordWrapPlugin::wrapLinesInto(int firstLine, int count, std::vector<std::uint8_t>& rows,
                                       std::vector<std::int32_t>& rowsPerLine) const {
    std::string scratch;
    for (int i = firstLine; i < firstLine + count; ++i) {
        size_t before = rows.size();
        appendRowsOf(lines_.ExpandedView(i, scratch), maxRowLength_, minRowLength_, rows);
        rowsPerLine.push_back(static_cast<std::int32_t>(rows.size() - before));
    }
}

void TSynWordWrapPlugin::shiftOffsetsFrom(int lineIndex, int delta) {
    if (delta == 0) return;
    for (size_t i = static_cast<size_t>(lineIndex); i < lineOffsets_.size(); ++i) lineOffsets_[i] += delta;
}

void TSynWordWrapPlugin::reserveFor(int lines, size_t rows) {
    reserveInSteps(lineOffsets_, static_cast<size_t>(lines), kLineOffsetStep);
    reserveInSteps(rowLengths_, rows, kRowLengthStep);
}

int TSynWordWrapPlugin::LinesInserted(int index, int count) {
    if (maxRowLength_ == 0 || count <= 0) return 0;
    int firstRow = firstRowIndexOfLine(index);
    if (index == LineCount() && count == 1) {
        // The common case while a file loads: one line appended at the end.
        size_t before = rowLengths_.size();
        reserveFor(LineCount() + 1, before + 4);
        std::string scratch;
        appendRowsOf(lines_.ExpandedView(index, scratch), maxRowLength_, minRowLength_, rowLengths_);
        int added = static_cast<int>(rowLengths_.size() - before);
        lineOffsets_.push_back(firstRow + added);
        return added;
    }
    std::vector<std::uint8_t> rows;
    std::vector<std::int32_t> rowsPerLine;
    wrapLinesInto(index, count, rows, rowsPerLine);
    int added = static_cast<int>(rows.size());
    reserveFor(LineCount() + count, rowLengths_.size() + rows.size());
    rowLengths_.insert(rowLengths_.begin() + firstRow, rows.begin(), rows.end());
    std::vector<std::int32_t> offsets(rowsPerLine.size());
    std::inclusive_scan(rowsPerLine.begin(), rowsPerLine.end(), offsets.begin());
    for (auto& offset : offsets) offset += firstRow;
    lineOffsets_.insert(lineOffsets_.begin() + index, offsets.begin(), offsets.end());
    shiftOffsetsFrom(index + count, added);
    return added;
}

int TSynWordWrapPlugin::LinesDeleted(int index, int count) {
    if (maxRowLength_ == 0 || count <= 0 || index >= LineCount()) return 0;
    count = std::min(count, LineCount() - index);
    int firstRow = firstRowIndexOfLine(index);
    int removed = lineOffsets_[static_cast<size_t>(index + count - 1)] - firstRow;
    rowLengths_.erase(rowLengths_.begin() + firstRow, rowLengths_.begin() + firstRow + removed);
    lineOffsets_.erase(lineOffsets_.begin() + index, lineOffsets_.begin() + index + count);
    shiftOffsetsFrom(index, -removed);
    return removed;
}

int TSynWordWrapPlugin::LinesPutted(int index, int count) {
    if (maxRowLength_ == 0 || count <= 0 || index >= LineCount()) return 0;
    count = std::min(count, LineCount() - index);
    int firstRow = firstRowIndexOfLine(index);
    int oldRows = lineOffsets_[static_cast<size_t>(index + count - 1)] - firstRow;
    std::vector<std::uint8_t> rows;
    std::vector<std::int32_t> rowsPerLine;
    wrapLinesInto(index, count, rows, rowsPerLine);
    rowLengths_.erase(rowLengths_.begin() + firstRow, rowLengths_.begin() + firstRow + oldRows);
    rowLengths_.insert(rowLengths_.begin() + firstRow, rows.begin(), rows.end());
    int running = firstRow;
    for (int i = 0; i < count; ++i) {
        running += rowsPerLine[static_cast<size_t>(i)];
        lineOffsets_[static_cast<size_t>(index) + static_cast<size_t>(i)] = running;
    }
    int delta = static_cast<int>(rows.size()) - oldRows;
    shiftOffsetsFrom(index + count, delta);
    return delta;
}

void TSynWordWrapPlugin::LinesCleared() {
    lineOffsets_.clear();
    rowLengths_.clear();
    shrinkToExact(lineOffsets_);
    shrinkToExact(rowLengths_);
}

int TSynWordWrapPlugin::GetRowLength(int row) const {
    if (row < 1 || row > RowCount()) return 0;
    return rowLengths_[static_cast<size_t>(row - 1)];
}

int TSynWordWrapPlugin::LineToRow(int line) const {
    if (line <= LineCount()) return line < 1 ? line : firstRowIndexOfLine(line - 1) + 1;
    return RowCount() + (line - LineCount());
}

int TSynWordWrapPlugin::RowToLine(int row) const {
    if (row > RowCount()) return LineCount() + (row - RowCount());
    if (row < 1) return row;
    auto it = std::lower_bound(lineOffsets_.begin(), lineOffsets_.end(), row);
    return static_cast<int>(it - lineOffsets_.begin()) + 1;
}

int TSynWordWrapPlugin::RowsOfLine(int line) const {
    if (line < 1 || line > LineCount()) return 1;
    return lineOffsets_[static_cast<size_t>(line - 1)] - firstRowIndexOfLine(line - 1);
}

TDisplayCoord TSynWordWrapPlugin::BufferToDisplayPos(TBufferCoord pos) const {
    if (pos.Line < 1 || pos.Line > LineCount()) return {pos.Char, LineToRow(pos.Line)};
    int column = byteToExpandedColumn(lines_.GetView(pos.Line - 1), pos.Char, lines_.TabWidth());
    int row = LineToRow(pos.Line);
    int lastRow = row + RowsOfLine(pos.Line) - 1;
    while (row < lastRow && column > GetRowLength(row)) {
        column -= GetRowLength(row);
        ++row;
    }
    return {column, row};
}

TBufferCoord TSynWordWrapPlugin::DisplayToBufferPos(TDisplayCoord pos) const {
    if (pos.Row < 1 || pos.Row > RowCount()) return {pos.Column, RowToLine(pos.Row)};
    int line = RowToLine(pos.Row);
    int column = pos.Column;
    for (int row = LineToRow(line); row < pos.Row; ++row) column += GetRowLength(row);
    std::string_view text = lines_.GetView(line - 1);
    int byteColumn = expandedToByteColumn(text, column, lines_.TabWidth());
    if (isTrailByteAt(text, 0, static_cast<size_t>(byteColumn - 1))) ++byteColumn;
    return {byteColumn, line};
}

int TSynWordWrapPlugin::LinesChanged(const TSynLinesChange& change) {
    if (change.reset) {
        LinesCleared();
        return 0;
    }
    if (change.removed == change.added) return LinesPutted(change.first, change.added);
    int delta = change.removed > 0 ? LinesDeleted(change.first, change.removed) : 0;
    if (change.added > 0) delta += LinesInserted(change.first, change.added);
    return delta;
}

}  // namespace veyrin

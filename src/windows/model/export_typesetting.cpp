#include "windows/model/export_typesetting.h"

#include <algorithm>

#include "windows/model/chinese_line_breaking.h"
#include "windows/model/poem_lines.h"

namespace veyrin {
namespace {

bool isPoemLine(TPoemLineKind kind) { return kind != TPoemLineKind::Prose; }

TExportRowKind rowKindOf(TPoemLineKind kind) {
    switch (kind) {
        case TPoemLineKind::Title: return TExportRowKind::Title;
        case TPoemLineKind::Verse: return TExportRowKind::Verse;
        case TPoemLineKind::Prose: break;
    }
    return TExportRowKind::Prose;
}

bool fitsOneRow(const std::string& line, int columns) {
    return columns > 0 && breakIntoRows(line, columns, TBreakStyle::Verse).size() == 1;
}

// The deepest indent, down to none, at which every line of the block [first, last) that fits the
// full width still fits one row, and which leaves at least half the width.
int blockIndent(const std::vector<std::string>& lines, size_t first, size_t last, int columns) {
    for (int indent = kVerseIndentCells; indent > 0; indent -= 2) {
        if (indent > columns / 2) continue;
        const bool keepsLinesWhole = std::all_of(lines.begin() + static_cast<std::ptrdiff_t>(first),
                                                 lines.begin() + static_cast<std::ptrdiff_t>(last), [&](const std::string& line) {
                                                     return !fitsOneRow(line, columns) || fitsOneRow(line, columns - indent);
                                                 });
        if (keepsLinesWhole) return indent;
    }
    return 0;
}

class Typesetter {
public:
    Typesetter(const std::vector<std::string>& lines, int columns)
        : lines_(lines), kinds_(classifyPoemLines(lines)), columns_(std::max(columns, 1)) {}

    TTypesetRows run() {
        for (size_t line = 0; line < lines_.size();) line = isPoemLine(kinds_[line]) ? setPoem(line) : setProse(line);
        if (rows_.empty()) rows_.push_back(TTypesetRow{0, 0, 0, 0, TExportRowKind::Prose});
        return std::move(rows_);
    }

private:
    size_t setProse(size_t line) {
        addRows(line, 0, breakIntoRows(lines_[line], columns_), 0, TExportRowKind::Prose);
        return line + 1;
    }

    // The title and verse from `first`, set apart by a gap from any text before and after.
    size_t setPoem(size_t first) {
        size_t last = first + 1;
        while (last < lines_.size() && kinds_[last] == TPoemLineKind::Verse) ++last;
        if (!rows_.empty() && !endsInEmptyRow()) addGap();
        const int indent = blockIndent(lines_, first, last, columns_);
        for (size_t line = first; line < last; ++line) setVerse(line, indent);
        if (last < lines_.size() && !lines_[last].empty()) addGap();
        return last;
    }

    void setVerse(size_t line, int indent) {
        const std::string& text = lines_[line];
        const TExportRowKind kind = rowKindOf(kinds_[line]);
        const int width = columns_ - indent;
        const std::vector<int> firstRows = breakIntoRows(text, width, TBreakStyle::Verse);
        const int runOn = width - kVerseRunOnCells >= columns_ / 2 ? kVerseRunOnCells : 0;
        if (firstRows.size() == 1 || runOn == 0) {
            addRows(line, 0, firstRows, indent, kind);
            return;
        }
        addRows(line, 0, {firstRows.front()}, indent, kind);
        const auto rest = std::string_view(text).substr(static_cast<size_t>(firstRows.front()));
        addRows(line, firstRows.front(), breakIntoRows(rest, width - runOn, TBreakStyle::Verse), indent + runOn, kind);
    }

    void addRows(size_t line, int start, const std::vector<int>& lengths, int indent, TExportRowKind kind) {
        for (int length : lengths) {
            rows_.push_back(TTypesetRow{static_cast<int>(line), start, length, indent, kind});
            start += length;
        }
    }

    void addGap() { rows_.push_back(TTypesetRow{-1, 0, 0, 0, TExportRowKind::Gap}); }

    bool endsInEmptyRow() const { return rows_.back().length == 0; }

    const std::vector<std::string>& lines_;
    const std::vector<TPoemLineKind> kinds_;
    const int columns_;
    TTypesetRows rows_;
};

}  // namespace

TTypesetRows typesetForExport(const std::vector<std::string>& expandedLines, int columns) {
    return Typesetter(expandedLines, columns).run();
}

}  // namespace veyrin

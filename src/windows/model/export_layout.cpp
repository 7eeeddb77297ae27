#include "windows/model/export_layout.h"

#include <algorithm>
#include <cctype>

#include "textview/model/word_wrap_plugin.h"

namespace veyrin {
namespace {

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char wanted, char got) { return std::tolower(static_cast<unsigned char>(got)) == wanted; });
}

// 96 dots per inch: 1 mm is 96 / 25.4 pixels, rounded to the nearest.
int millimetres(int mm) { return (mm * 960 + 127) / 254; }

TExportRow placeRow(int line, int start, int length, int top, const TExportGrid& grid) {
    TExportRow row;
    row.line = line;
    row.start = start;
    row.length = length;
    row.top = top;
    row.textTop = top + (grid.rowHeight - grid.textHeight) / 2;
    row.ruleY = top + grid.rowHeight - 1;
    return row;
}

// Calls place(line, start, length) for every row in order; an empty text gives one empty row.
template <typename Place>
void forEachRow(const TLineRows& rows, Place place) {
    bool any = false;
    for (size_t line = 0; line < rows.size(); ++line) {
        int start = 0;
        for (int length : rows[line]) {
            place(static_cast<int>(line), start, length);
            start += length;
            any = true;
        }
    }
    if (!any) place(0, 0, 0);
}

}  // namespace

TExportKind exportKindOf(std::string_view fileName) {
    if (endsWithNoCase(fileName, ".pdf")) return TExportKind::Pdf;
    if (endsWithNoCase(fileName, ".png")) return TExportKind::Png;
    return TExportKind::Unsupported;
}

TExportPaper a5Paper() {
    const int margin = millimetres(15);
    return TExportPaper{millimetres(148), millimetres(210), margin, margin, margin, margin};
}

TLineRows wrapForExport(const std::vector<std::string>& expandedLines, int columns) {
    TLineRows rows;
    rows.reserve(expandedLines.size());
    for (const std::string& line : expandedLines) {
        if (columns <= 0) {
            rows.push_back({static_cast<int>(line.size())});
            continue;
        }
        std::vector<std::uint8_t> lengths = TSynWordWrapPlugin::wrapLine(line, columns);
        rows.emplace_back(lengths.begin(), lengths.end());
    }
    return rows;
}

int exportColumns(const TExportGrid& grid, const TExportPaper& paper) {
    const int writable = paper.width - paper.marginLeft - paper.marginRight;
    return grid.cellWidth > 0 ? std::max(1, writable / grid.cellWidth) : 1;
}

TExportLayout layoutPages(const TLineRows& rows, const TExportGrid& grid, const TExportPaper& paper) {
    TExportLayout layout;
    layout.pageWidth = paper.width;
    layout.pageHeight = paper.height;
    layout.textLeft = paper.marginLeft;
    layout.ruleLeft = paper.marginLeft;
    layout.ruleRight = paper.width - paper.marginRight;
    layout.columns = exportColumns(grid, paper);
    const int writableHeight = paper.height - paper.marginTop - paper.marginBottom;
    layout.rowsPerPage = grid.rowHeight > 0 ? std::max(1, writableHeight / grid.rowHeight) : 1;
    forEachRow(rows, [&](int line, int start, int length) {
        if (layout.pages.empty() || static_cast<int>(layout.pages.back().rows.size()) == layout.rowsPerPage)
            layout.pages.emplace_back();
        const int index = static_cast<int>(layout.pages.back().rows.size());
        layout.pages.back().rows.push_back(placeRow(line, start, length, paper.marginTop + index * grid.rowHeight, grid));
    });
    return layout;
}

TExportLayout layoutSheet(const TLineRows& rows, const TExportGrid& grid, int width, int textLeft) {
    TExportLayout layout;
    layout.pageWidth = width;
    layout.textLeft = textLeft;
    layout.ruleLeft = textLeft;
    layout.ruleRight = width;
    layout.columns = grid.cellWidth > 0 ? std::max(1, (width - textLeft) / grid.cellWidth) : 1;
    layout.pages.emplace_back();
    std::vector<TExportRow>& sheet = layout.pages.back().rows;
    forEachRow(rows, [&](int line, int start, int length) {
        sheet.push_back(placeRow(line, start, length, static_cast<int>(sheet.size()) * grid.rowHeight, grid));
    });
    layout.pageHeight = static_cast<int>(sheet.size()) * grid.rowHeight;
    return layout;
}

}  // namespace veyrin

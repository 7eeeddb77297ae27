#include "windows/model/export_layout.h"

#include <algorithm>
#include <cctype>

#include "windows/model/chinese_line_breaking.h"

namespace veyrin {
namespace {

bool endsWithNoCase(std::string_view text, std::string_view suffix) {
    if (text.size() < suffix.size()) return false;
    return std::equal(suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char wanted, char got) { return std::tolower(static_cast<unsigned char>(got)) == wanted; });
}

// 96 dots per inch: 1 mm is 96 / 25.4 pixels, rounded to the nearest.
int millimetres(int mm) { return (mm * 960 + 127) / 254; }

TExportRow placeRow(const TTypesetRow& set, int textLeft, int top, const TExportGrid& grid) {
    TExportRow row;
    row.line = set.line;
    row.start = set.start;
    row.length = set.length;
    row.left = textLeft + set.indent * grid.cellWidth;
    row.top = top;
    row.textTop = top + textOffsetInRow(grid.rowHeight, grid.textHeight, grid.annotationBand);
    row.ruleY = top + grid.rowHeight - 1;
    return row;
}

// An empty text still gets a sheet of paper with one ruled row.
const TTypesetRows& atLeastOneRow(const TTypesetRows& rows) {
    static const TTypesetRows emptyText{TTypesetRow{0, 0, 0, 0, TExportRowKind::Prose}};
    return rows.empty() ? emptyText : rows;
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

int exportColumns(const TExportGrid& grid, const TExportPaper& paper) {
    const int writable = paper.width - paper.marginLeft - paper.marginRight;
    return grid.cellWidth > 0 ? std::max(1, writable / grid.cellWidth) : 1;
}

int sheetColumns(const TExportGrid& grid, int width, int textLeft) {
    return grid.cellWidth > 0 ? std::max(1, (width - textLeft) / grid.cellWidth - kHangingCells) : 1;
}

TExportLayout layoutPages(const TTypesetRows& rows, const TExportGrid& grid, const TExportPaper& paper) {
    TExportLayout layout;
    layout.pageWidth = paper.width;
    layout.pageHeight = paper.height;
    layout.textLeft = paper.marginLeft;
    layout.ruleLeft = paper.marginLeft;
    layout.ruleRight = paper.width - paper.marginRight;
    layout.columns = exportColumns(grid, paper);
    const int writableHeight = paper.height - paper.marginTop - paper.marginBottom;
    layout.rowsPerPage = grid.rowHeight > 0 ? std::max(1, writableHeight / grid.rowHeight) : 1;
    for (const TTypesetRow& row : atLeastOneRow(rows)) {
        const bool pageFull =
            layout.pages.empty() || static_cast<int>(layout.pages.back().rows.size()) == layout.rowsPerPage;
        // The page break already sets the poem apart.
        if (pageFull && row.kind == TExportRowKind::Gap && !layout.pages.empty()) continue;
        if (pageFull) layout.pages.emplace_back();
        const int index = static_cast<int>(layout.pages.back().rows.size());
        layout.pages.back().rows.push_back(placeRow(row, layout.textLeft, paper.marginTop + index * grid.rowHeight, grid));
    }
    return layout;
}

TExportLayout layoutSheet(const TTypesetRows& rows, const TExportGrid& grid, int width, int textLeft) {
    TExportLayout layout;
    layout.pageWidth = width;
    layout.textLeft = textLeft;
    layout.ruleLeft = textLeft;
    layout.ruleRight = width;
    layout.columns = sheetColumns(grid, width, textLeft);
    layout.pages.emplace_back();
    std::vector<TExportRow>& sheet = layout.pages.back().rows;
    for (const TTypesetRow& row : atLeastOneRow(rows))
        sheet.push_back(placeRow(row, textLeft, static_cast<int>(sheet.size()) * grid.rowHeight, grid));
    layout.pageHeight = static_cast<int>(sheet.size()) * grid.rowHeight;
    return layout;
}

}  // namespace veyrin

// Exported pages set as a Chinese page is set, checked on every entry of the bundled anthology at
// the widths of the smallest, the usual and the largest font on A5: no row starts with a closing
// mark or ends with an opening one, no text is lost, a verse line that fits the width is one row,
// and each poem's title and verse stand indented with an empty row between them and the commentary.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "anthology/model/entry_files.h"
#include "app/model/line_file_forms.h"
#include "platform/model/gbk_text.h"
#include "platform/model/program_path.h"
#include "textview/model/word_wrap_plugin.h"
#include "windows/model/chinese_line_breaking.h"
#include "windows/model/export_layout.h"
#include "windows/model/export_typesetting.h"
#include "windows/model/poem_lines.h"

namespace veyrin {
namespace {

constexpr int kEntries = 190;

std::vector<std::string> entryLines(int index) {
    return parseListForm(readWholeFile(std::filesystem::path(VEYRIN_SOURCE_DIR) / "data", entryFilePath(index)));
}

// Columns of an A5 page at 9, 11 and 24 points (cells of 6, 8 and 16 pixels).
std::vector<int> a5Widths() {
    std::vector<int> widths;
    for (int cell : {6, 8, 16}) widths.push_back(exportColumns(TExportGrid{cell, 2 * cell, 4 * cell}, a5Paper()));
    return widths;
}

bool isPoemRow(const TTypesetRow& row) { return row.kind == TExportRowKind::Title || row.kind == TExportRowKind::Verse; }

std::string shown(const std::string& line, const TTypesetRow& row) {
    return gbk::toUtf8(line.substr(static_cast<size_t>(row.start), static_cast<size_t>(row.length)));
}

// Every line's rows follow each other without a gap or overlap and end at the line's end.
void expectEveryByteOnce(const std::vector<std::string>& lines, const TTypesetRows& rows) {
    std::vector<size_t> next(lines.size(), 0);
    for (const TTypesetRow& row : rows) {
        if (row.kind == TExportRowKind::Gap) continue;
        ASSERT_EQ(static_cast<size_t>(row.start), next[static_cast<size_t>(row.line)]) << "line " << row.line;
        next[static_cast<size_t>(row.line)] += static_cast<size_t>(row.length);
    }
    for (size_t line = 0; line < lines.size(); ++line) EXPECT_EQ(next[line], lines[line].size()) << "line " << line;
}

void expectChineseBreaks(const std::vector<std::string>& lines, const TTypesetRows& rows, int columns) {
    for (const TTypesetRow& row : rows) {
        if (row.kind == TExportRowKind::Gap) continue;
        const std::string& line = lines[static_cast<size_t>(row.line)];
        const auto end = static_cast<size_t>(row.start + row.length);
        if (row.start > 0) {
            EXPECT_FALSE(isClosingMarkAt(line, static_cast<size_t>(row.start))) << shown(line, row);
        }
        if (end < line.size()) {
            size_t last = static_cast<size_t>(row.start);
            for (size_t p = last; p < end; p += gbk::characterLength(line, p)) last = p;
            EXPECT_FALSE(isOpeningMarkAt(line, last)) << shown(line, row);
        }
        EXPECT_LE(row.indent + row.length, columns + kHangingCells) << shown(line, row);
    }
}

// The widest title or verse line, in cells.
int widestPoemLine(const std::vector<std::string>& lines) {
    const std::vector<TPoemLineKind> kinds = classifyPoemLines(lines);
    size_t widest = 0;
    for (size_t i = 0; i < lines.size(); ++i)
        if (kinds[i] != TPoemLineKind::Prose) widest = std::max(widest, lines[i].size());
    return static_cast<int>(widest);
}

void expectVerseKeptWholeAndSetApart(const std::vector<std::string>& lines, const TTypesetRows& rows, int columns) {
    // Where every poem line fits beside the indent, the poems are indented; elsewhere the indent
    // gives way, and the empty rows alone set them apart.
    const bool roomForIndent = widestPoemLine(lines) + kVerseIndentCells <= columns;
    std::vector<int> rowsOfLine(lines.size(), 0);
    for (const TTypesetRow& row : rows)
        if (row.line >= 0) ++rowsOfLine[static_cast<size_t>(row.line)];
    for (size_t i = 0; i < rows.size(); ++i) {
        const TTypesetRow& row = rows[i];
        if (!isPoemRow(row)) {
            if (row.kind == TExportRowKind::Prose) {
                EXPECT_EQ(row.indent, 0);
            }
            continue;
        }
        const std::string& line = lines[static_cast<size_t>(row.line)];
        if (static_cast<int>(line.size()) <= columns) {
            EXPECT_EQ(rowsOfLine[static_cast<size_t>(row.line)], 1) << shown(line, row);
        }
        EXPECT_EQ(row.indent, roomForIndent ? kVerseIndentCells : row.indent) << shown(line, row);
        if (row.kind == TExportRowKind::Title && row.start == 0 && i > 0) {
            EXPECT_EQ(rows[i - 1].length, 0) << "nothing above " << shown(line, row);
        }
        if (i + 1 < rows.size() && !isPoemRow(rows[i + 1])) {
            EXPECT_EQ(rows[i + 1].length, 0) << "nothing below " << shown(line, row);
        }
    }
}

TEST(ExportTypesetting, EveryAnthologyEntryIsSetAsAChinesePage) {
    const std::vector<int> widths = a5Widths();
    int poems = 0;
    for (int entry = 0; entry < kEntries; ++entry) {
        const std::vector<std::string> lines = entryLines(entry);
        for (int columns : widths) {
            SCOPED_TRACE("entry " + std::to_string(entry + 1) + " at " + std::to_string(columns) + " columns");
            const TTypesetRows rows = typesetForExport(lines, columns);
            expectEveryByteOnce(lines, rows);
            expectChineseBreaks(lines, rows, columns);
            expectVerseKeptWholeAndSetApart(lines, rows, columns);
            if (::testing::Test::HasFailure()) return;
        }
        const std::vector<TPoemLineKind> kinds = classifyPoemLines(lines);
        poems += static_cast<int>(std::count(kinds.begin(), kinds.end(), TPoemLineKind::Title));
    }
    EXPECT_GT(poems, kEntries) << "the entries' poems were found";
}

TEST(ExportTypesetting, TheViewsOwnWrapWouldFailThePage) {
    // The view keeps its plain cell wrap; on the anthology it starts rows with closing marks, which
    // is what the pages above must not copy.
    int closingStarts = 0;
    for (int entry = 0; entry < kEntries; ++entry) {
        for (const std::string& line : entryLines(entry)) {
            size_t start = 0;
            for (std::uint8_t length : TSynWordWrapPlugin::wrapLine(line, a5Widths()[1])) {
                closingStarts += start > 0 && isClosingMarkAt(line, start);
                start += length;
            }
        }
    }
    EXPECT_GT(closingStarts, 0);
}

TEST(ExportTypesetting, VerseEndsWhereTheCommentaryOrABlankLineBegins) {
    std::vector<std::string> lines;
    for (const char* line : {"序", "【静夜思】", "床前明月光，疑是地上霜。", "举头望明月，低头思故乡。", "鉴赏：短诗。", "",
                             "【登鹳雀楼】", "白日依山尽，黄河入海流。", "", "我：也是散文"})
        lines.push_back(gbk::fromUtf8(line));
    using K = TPoemLineKind;
    EXPECT_EQ(classifyPoemLines(lines),
              (std::vector<K>{K::Prose, K::Title, K::Verse, K::Verse, K::Prose, K::Prose, K::Title, K::Verse, K::Prose, K::Prose}));

    const TTypesetRows rows = typesetForExport(lines, 40);
    std::vector<TExportRowKind> kinds;
    for (const TTypesetRow& row : rows) kinds.push_back(row.kind);
    using R = TExportRowKind;
    EXPECT_EQ(kinds, (std::vector<R>{R::Prose, R::Gap, R::Title, R::Verse, R::Verse, R::Gap, R::Prose, R::Prose, R::Title,
                                     R::Verse, R::Prose, R::Prose}));
}

TEST(ExportTypesetting, IndentGivesWayToKeepAVerseLineWhole) {
    // 24 cells of verse ending in a full stop, which may hang: one row at 22 columns only without
    // an indent, at 24 with half of it, at 26 with all of it.
    const std::vector<std::string> lines = {gbk::fromUtf8("【题】"), gbk::fromUtf8("白日依山尽黄，河入海流。")};
    for (auto [columns, indent] : {std::pair{22, 0}, std::pair{24, 2}, std::pair{26, kVerseIndentCells}}) {
        const TTypesetRows rows = typesetForExport(lines, columns);
        ASSERT_EQ(rows.size(), 2u) << columns;
        EXPECT_EQ(rows[1].indent, indent) << columns;
    }
    // Too long for any indent: it breaks at its pause and runs on one character further in.
    const TTypesetRows rows = typesetForExport({gbk::fromUtf8("【题】"), gbk::fromUtf8("白日依山尽，黄河入海流。")}, 16);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1].length, 12);
    EXPECT_EQ(rows[2].indent, rows[1].indent + kVerseRunOnCells);
}

}  // namespace
}  // namespace veyrin

#pragma once
// A plain stand-in for the view under the command engine: lines in a vector, rows cut every
// `wrapWidth` bytes (never between the two bytes of a character), and a window of `window` rows.

#include "textview/model/char_boundaries.h"
#include "textview/model/clipboard_block.h"
#include "textview/model/editor_host.h"
#include "platform/model/app_error.h"

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

namespace veyrin::testing {

class FakeEditHost : public ISynEditHost {
public:
    std::vector<std::string> lines;
    int wrapWidth = 1000;
    int window = 10;
    int top = 1;
    TBufferCoord caretPos, anchorPos;
    int updateDepth = 0;
    int updatesEnded = 0;

    int lineCount() const override { return static_cast<int>(lines.size()); }
    std::string_view lineText(int index) const override {
        return index >= 0 && index < lineCount() ? std::string_view(lines[static_cast<size_t>(index)]) : std::string_view();
    }
    void putLine(int index, std::string_view text) override { lines.at(static_cast<size_t>(index)) = std::string(text); }
    void insertLine(int index, std::string_view text) override { lines.insert(lines.begin() + index, std::string(text)); }
    void deleteLine(int index) override { lines.erase(lines.begin() + index); }
    void beginUpdate() override { ++updateDepth; }
    void endUpdate() override {
        if (--updateDepth == 0) ++updatesEnded;
    }

    struct Row {
        int Line;   // 1-based
        int start;  // 1-based byte column
        int length;
    };
    std::vector<Row> rows() const {
        std::vector<Row> out;
        for (int l = 1; l <= lineCount(); ++l) {
            const std::string& text = lines[static_cast<size_t>(l - 1)];
            int start = 1;
            const int size = static_cast<int>(text.size());
            do {
                int length = std::min(wrapWidth, size - start + 1);
                if (start + length <= size && isInsideChar(text, start + length)) --length;
                out.push_back({l, start, length});
                start += length;
            } while (start <= size);
        }
        return out;
    }

    int rowCount() const override { return static_cast<int>(rows().size()); }
    TDisplayCoord bufferToDisplay(TBufferCoord pos) const override {
        const auto all = rows();
        for (size_t i = 0; i < all.size(); ++i) {
            const Row& r = all[i];
            const bool lastOfLine = i + 1 == all.size() || all[i + 1].Line != r.Line;
            if (r.Line == pos.Line && (pos.Char < r.start + r.length || lastOfLine))
                return {pos.Char - r.start + 1, static_cast<int>(i) + 1};
        }
        return {pos.Char, pos.Line};
    }
    TBufferCoord displayToBuffer(TDisplayCoord pos) const override {
        const auto all = rows();
        if (pos.Row < 1 || pos.Row > static_cast<int>(all.size())) return {pos.Column, pos.Row};
        const Row& r = all[static_cast<size_t>(pos.Row - 1)];
        int col = r.start + pos.Column - 1;
        if (isInsideChar(lines[static_cast<size_t>(r.Line - 1)], col)) ++col;  // onto the character's end
        return {col, r.Line};
    }
    int rowLength(int row) const override {
        const auto all = rows();
        return row >= 1 && row <= static_cast<int>(all.size()) ? all[static_cast<size_t>(row - 1)].length : 0;
    }
    int linesInWindow() const override { return window; }
    int topLine() const override { return top; }
    void setTopLine(int row) override { top = std::clamp(row, 1, std::max(1, rowCount() - window + 1)); }

    TBufferCoord caret() const override { return caretPos; }
    TBufferCoord anchor() const override { return anchorPos; }
    void setCaretAndAnchor(TBufferCoord caret, TBufferCoord anchor) override {
        caretPos = caret;
        anchorPos = anchor;
    }
};

class FakeClipboard : public ISynEditClipboard {
public:
    std::optional<TSynClipboardBlock> content;
    bool refuseWrites = false;

    void write(const TSynClipboardBlock& block) override {
        if (refuseWrites) throw AppError(kClipboardCopyFailed);
        content = block;
    }
    std::optional<TSynClipboardBlock> read() override { return content; }
    bool hasText() const override { return content.has_value(); }
};

}  // namespace veyrin::testing

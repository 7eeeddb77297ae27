#pragma once
// The command engine's view of a TSynEditor: its line store, display map, scroll position and
// caret, reached through the view's public interface so the view keeps repainting what changes.

#include "textview/model/editor_host.h"

namespace veyrin {

class TSynEditor;

class TSynEditorHost : public ISynEditHost {
public:
    explicit TSynEditorHost(TSynEditor& view) : view_(view) {}

    int lineCount() const override;
    std::string_view lineText(int index) const override;
    void putLine(int index, std::string_view text) override;
    void insertLine(int index, std::string_view text) override;
    void deleteLine(int index) override;
    void beginUpdate() override;
    void endUpdate() override;

    int rowCount() const override;
    TDisplayCoord bufferToDisplay(TBufferCoord pos) const override;
    TBufferCoord displayToBuffer(TDisplayCoord pos) const override;
    int rowLength(int row) const override;
    int linesInWindow() const override;
    int topLine() const override;
    void setTopLine(int row) override;

    TBufferCoord caret() const override;
    TBufferCoord anchor() const override;
    void setCaretAndAnchor(TBufferCoord caret, TBufferCoord anchor) override;

private:
    TSynEditor& view_;
};

}  // namespace veyrin

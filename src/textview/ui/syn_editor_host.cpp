#include "textview/ui/syn_editor_host.h"

#include "textview/ui/syn_editor.h"

namespace veyrin {

int TSynEditorHost::lineCount() const { return view_.Lines().Count(); }
std::string_view TSynEditorHost::lineText(int index) const { return view_.Lines().GetView(index); }
void TSynEditorHost::putLine(int index, std::string_view text) { view_.Lines().Put(index, text); }
void TSynEditorHost::insertLine(int index, std::string_view text) { view_.Lines().Insert(index, text); }
void TSynEditorHost::deleteLine(int index) { view_.Lines().Delete(index); }
void TSynEditorHost::beginUpdate() { view_.Lines().BeginUpdate(); }
void TSynEditorHost::endUpdate() { view_.Lines().EndUpdate(); }

int TSynEditorHost::rowCount() const { return view_.rowCount(); }
TDisplayCoord TSynEditorHost::bufferToDisplay(TBufferCoord pos) const { return view_.bufferToDisplayPos(pos); }
TBufferCoord TSynEditorHost::displayToBuffer(TDisplayCoord pos) const { return view_.displayToBufferPos(pos); }
int TSynEditorHost::rowLength(int row) const { return view_.displayMap().rowLength(row); }
int TSynEditorHost::linesInWindow() const { return view_.linesInWindow(); }
int TSynEditorHost::topLine() const { return view_.topLine(); }
void TSynEditorHost::setTopLine(int row) { view_.setTopLine(row); }

TBufferCoord TSynEditorHost::caret() const { return view_.selection().caret(); }
TBufferCoord TSynEditorHost::anchor() const { return view_.selection().anchor(); }

void TSynEditorHost::setCaretAndAnchor(TBufferCoord caret, TBufferCoord anchor) {
    // A plain caret move repaints only the rows it touches; a selection repaints more.
    if (caret == anchor) {
        if (!(view_.caretXY() == caret) || view_.hasSelection()) view_.setCaretXY(caret, false);
        return;
    }
    if (view_.selection().anchor() == anchor && view_.hasSelection()) {
        view_.setCaretXY(caret, true);
        return;
    }
    view_.setSelection(anchor, caret);
}

}  // namespace veyrin

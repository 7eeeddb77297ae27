// The text view's standard edit interface: clipboard, selection, undo and whole-text access, all
// carried out by the editing controller's command engine.

#include "platform/ui/gbk_qt.h"
#include "textview/ui/syn_editing_controller.h"
#include "textview/ui/syn_editor.h"

namespace veyrin {

void TSynEditor::EditingDeleter::operator()(TSynEditingController* controller) const { delete controller; }

// Made on first use, so a view that is only read never builds the editing machinery.
TSynEditingController& TSynEditor::editing() const {
    if (!editing_) editing_.reset(new TSynEditingController(const_cast<TSynEditor&>(*this)));
    return *editing_;
}

TSynEditEngine& TSynEditor::editingEngine() { return editing().engine(); }
TSynEditKeyStrokes& TSynEditor::keyStrokes() { return editing().keyStrokes(); }
QString TSynEditor::compositionText() const { return editing().compositionWindow().compositionText(); }

void TSynEditor::executeCommand(TSynEditorCommand command, std::string_view text) {
    editing().executeCommand(command, text);
}

void TSynEditor::cutToClipboard() { editing().engine().cutToClipboard(); }
void TSynEditor::copyToClipboard() { editing().engine().copyToClipboard(); }
void TSynEditor::pasteFromClipboard() { editing().engine().pasteFromClipboard(); }
void TSynEditor::clearSelection() { editing().engine().clearSelection(); }
void TSynEditor::selectAll() { editing().engine().selectAll(); }
void TSynEditor::undo() { editing().engine().undo(); }
void TSynEditor::redo() { editing().engine().redo(); }
bool TSynEditor::canUndo() const { return editing().engine().canUndo(); }
bool TSynEditor::canRedo() const { return editing().engine().canRedo(); }
bool TSynEditor::canPaste() const { return editing().engine().canPaste(); }
bool TSynEditor::readOnly() const { return editing().engine().readOnly(); }
void TSynEditor::setReadOnly(bool value) { editing().engine().setReadOnly(value); }
bool TSynEditor::insertMode() const { return editing().engine().insertMode(); }

std::string TSynEditor::text() const { return lines_.GetTextStr(); }
void TSynEditor::setText(std::string_view gbkText) { lines_.SetTextStr(gbkText); }

}  // namespace veyrin

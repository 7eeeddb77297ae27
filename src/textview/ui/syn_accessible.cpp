#include "textview/ui/syn_accessible.h"

#include <QAccessible>
#include <QScrollBar>
#include <QTimer>

#include <algorithm>

#include "platform/model/gbk_text.h"
#include "platform/ui/gbk_qt.h"
#include "textview/model/char_offsets.h"
#include "textview/model/editor_commands.h"
#include "textview/ui/syn_editor.h"

namespace veyrin {

namespace {

constexpr QChar kReplacement(0xFFFD);

// Decodes a line so that every GBK character gives exactly one QChar; the offsets depend on it.
QString lineText(std::string_view bytes) {
    QString whole = gbkToQString(bytes);
    if (whole.size() == gbkCharCount(bytes)) return whole;
    QString out;
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t len = gbk::characterLength(bytes, pos);
        const QString one = gbkToQString(bytes.substr(pos, len));
        out.append(one.size() == 1 ? one.at(0) : kReplacement);
        pos += len;
    }
    return out;
}

}  // namespace

QString synAccessibleText(const TSynEditor& editor) {
    const TSynEditStringList& lines = editor.Lines();
    QString text;
    for (int i = 0; i < lines.Count(); ++i) {
        if (i > 0) text.append(QLatin1Char('\n'));
        text.append(lineText(lines.GetView(i)));
    }
    return text;
}

TSynAccessible::TSynAccessible(TSynEditor* editor) : QAccessibleWidget(editor, QAccessible::EditableText) {
    TSynAccessibilityNotifier::attachTo(editor);
}

TSynEditor* TSynAccessible::editor() const { return static_cast<TSynEditor*>(widget()); }

QString TSynAccessible::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return synAccessibleText(*editor());
    return QAccessibleWidget::text(t);
}

QAccessible::State TSynAccessible::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = !editor()->readOnly();
    s.readOnly = editor()->readOnly();
    s.multiLine = true;
    s.selectableText = true;
    return s;
}

void* TSynAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void TSynAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !editor()->hasSelection()) return;
    const TSynCharOffsets offsets(editor()->Lines());
    const int caret = offsets.offsetOf(editor()->viewModel().caret());
    const int anchor = offsets.offsetOf(editor()->viewModel().anchor());
    *startOffset = std::min(caret, anchor);
    *endOffset = std::max(caret, anchor);
}

int TSynAccessible::selectionCount() const { return editor()->hasSelection() ? 1 : 0; }

void TSynAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void TSynAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex != 0) return;
    editor()->setCaretXY(editor()->caretXY());
}

void TSynAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0) return;
    const TSynCharOffsets offsets(editor()->Lines());
    editor()->setSelection(offsets.coordOf(startOffset), offsets.coordOf(endOffset));
}

int TSynAccessible::cursorPosition() const {
    return TSynCharOffsets(editor()->Lines()).offsetOf(editor()->caretXY());
}

void TSynAccessible::setCursorPosition(int position) {
    editor()->setCaretXY(TSynCharOffsets(editor()->Lines()).coordOf(position));
}

QString TSynAccessible::text(int startOffset, int endOffset) const {
    const QString whole = synAccessibleText(*editor());
    startOffset = std::clamp(startOffset, 0, static_cast<int>(whole.size()));
    endOffset = std::clamp(endOffset, startOffset, static_cast<int>(whole.size()));
    return whole.mid(startOffset, endOffset - startOffset);
}

int TSynAccessible::characterCount() const { return TSynCharOffsets(editor()->Lines()).length(); }

TSynAccessible::RowSpan TSynAccessible::rowSpan(const TSynCharOffsets& offsets, int row) const {
    const TSynViewModel& model = editor()->viewModel();
    const int line = model.rowToLine(row);
    const int start = offsets.offsetOf(model.displayToBuffer({1, row}));
    if (model.isLastRowOfLine(row)) {
        const int lineEnd = offsets.offsetOf({INT_MAX / 2, line});
        // The break after the row belongs to it, as a line of a plain text does.
        return {start, line < offsets.lineCount() ? lineEnd + 1 : lineEnd};
    }
    return {start, offsets.offsetOf(model.displayToBuffer({1, row + 1}))};
}

int TSynAccessible::rowOfOffset(const TSynCharOffsets& offsets, int offset) const {
    const TSynViewModel& model = editor()->viewModel();
    return std::max(1, model.bufferToDisplay(offsets.coordOf(offset)).Row);
}

QString TSynAccessible::rowText(int row, int* startOffset, int* endOffset) const {
    const TSynCharOffsets offsets(editor()->Lines());
    if (row < 1 || row > editor()->rowCount()) {
        *startOffset = *endOffset = -1;
        return {};
    }
    const RowSpan span = rowSpan(offsets, row);
    *startOffset = span.start;
    *endOffset = span.end;
    return text(span.start, span.end);
}

QString TSynAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                     int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAtOffset(offset, boundaryType, startOffset, endOffset);
    return rowText(rowOfOffset(TSynCharOffsets(editor()->Lines()), offset), startOffset, endOffset);
}

QString TSynAccessible::textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                         int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textBeforeOffset(offset, boundaryType, startOffset, endOffset);
    return rowText(rowOfOffset(TSynCharOffsets(editor()->Lines()), offset) - 1, startOffset, endOffset);
}

QString TSynAccessible::textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                                        int* endOffset) const {
    if (boundaryType != QAccessible::LineBoundary)
        return QAccessibleTextInterface::textAfterOffset(offset, boundaryType, startOffset, endOffset);
    return rowText(rowOfOffset(TSynCharOffsets(editor()->Lines()), offset) + 1, startOffset, endOffset);
}

QRect TSynAccessible::characterRect(int offset) const {
    const TSynEditor& view = *editor();
    const TSynCharOffsets offsets(view.Lines());
    const TBufferCoord pos = offsets.coordOf(offset);
    const TDisplayCoord cell = view.bufferToDisplayPos(pos);
    const std::string_view bytes = pos.Line <= view.Lines().Count() ? view.Lines().GetView(pos.Line - 1) : "";
    const int index = pos.Char - 1;
    const int cells = index < static_cast<int>(bytes.size())
                          ? static_cast<int>(gbk::characterLength(bytes, static_cast<std::size_t>(index)))
                          : 1;
    const int x = view.textLeft() + (cell.Column - view.viewModel().leftChar()) * view.charWidth();
    const int y = view.metrics().rowTop(cell.Row, view.topLine());
    const QRect local(x, y, cells * view.charWidth(), view.rowHeight());
    return QRect(view.viewport()->mapToGlobal(local.topLeft()), local.size());
}

int TSynAccessible::offsetAtPoint(const QPoint& point) const {
    const TSynEditor& view = *editor();
    const QPoint local = view.viewport()->mapFromGlobal(point);
    if (!view.viewport()->rect().contains(local)) return -1;
    return TSynCharOffsets(view.Lines()).offsetOf(view.pixelToBufferPos(local, true));
}

void TSynAccessible::scrollToSubstring(int startIndex, int) {
    TSynEditor& view = *editor();
    const int row = view.bufferToDisplayPos(TSynCharOffsets(view.Lines()).coordOf(startIndex)).Row;
    if (row < view.topLine() || row >= view.topLine() + view.linesInWindow()) view.setTopLine(row);
}

QString TSynAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = offset;
    return {};
}

void TSynAccessible::deleteText(int startOffset, int endOffset) { replaceText(startOffset, endOffset, {}); }

void TSynAccessible::insertText(int offset, const QString& text) { replaceText(offset, offset, text); }

void TSynAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    TSynEditor& view = *editor();
    if (view.readOnly()) return;
    const TSynCharOffsets offsets(view.Lines());
    view.setSelection(offsets.coordOf(startOffset), offsets.coordOf(endOffset));
    if (view.hasSelection()) view.clearSelection();
    if (!text.isEmpty()) view.executeCommand(ecImeStr, qStringToGbk(text));
}

TSynAccessibilityNotifier::TSynAccessibilityNotifier(TSynEditor* editor)
    : QObject(editor), editor_(editor), reported_(synAccessibleText(*editor)) {
    setObjectName(QStringLiteral("accessibilityNotifier"));
    connect(editor, &TSynEditor::textChanged, this, &TSynAccessibilityNotifier::textMayHaveChanged);
    connect(editor, qOverload<>(&TSynEditor::caretMoved), this, &TSynAccessibilityNotifier::caretMoved);
    lastCursor_ = TSynCharOffsets(editor->Lines()).offsetOf(editor->caretXY());
}

void TSynAccessibilityNotifier::attachTo(TSynEditor* editor) {
    if (!editor->findChild<TSynAccessibilityNotifier*>(QString(), Qt::FindDirectChildrenOnly))
        new TSynAccessibilityNotifier(editor);
}

void TSynAccessibilityNotifier::textMayHaveChanged() {
    if (pending_) return;
    pending_ = true;
    // A load adds lines one by one; one report per turn of the event loop is enough.
    QTimer::singleShot(0, this, &TSynAccessibilityNotifier::flushTextChange);
}

void TSynAccessibilityNotifier::flushTextChange() {
    pending_ = false;
    const QString now = synAccessibleText(*editor_);
    if (now == reported_) return;
    const qsizetype common = std::mismatch(reported_.begin(), reported_.end(), now.begin(), now.end()).first -
                             reported_.begin();
    qsizetype oldEnd = reported_.size();
    qsizetype newEnd = now.size();
    while (oldEnd > common && newEnd > common && reported_.at(oldEnd - 1) == now.at(newEnd - 1)) {
        --oldEnd;
        --newEnd;
    }
    const QString removed = reported_.mid(common, oldEnd - common);
    const QString inserted = now.mid(common, newEnd - common);
    reported_ = now;
    const int at = static_cast<int>(common);
    if (removed.isEmpty()) {
        QAccessibleTextInsertEvent event(editor_, at, inserted);
        QAccessible::updateAccessibility(&event);
    } else if (inserted.isEmpty()) {
        QAccessibleTextRemoveEvent event(editor_, at, removed);
        QAccessible::updateAccessibility(&event);
    } else {
        QAccessibleTextUpdateEvent event(editor_, at, removed, inserted);
        QAccessible::updateAccessibility(&event);
    }
}

void TSynAccessibilityNotifier::caretMoved() {
    flushTextChange();
    const TSynCharOffsets offsets(editor_->Lines());
    const int cursor = offsets.offsetOf(editor_->caretXY());
    const bool hasSelection = editor_->hasSelection();
    if (hasSelection || hadSelection_) {
        const int anchor = offsets.offsetOf(editor_->viewModel().anchor());
        QAccessibleTextSelectionEvent event(editor_, std::min(anchor, cursor), std::max(anchor, cursor));
        event.setCursorPosition(cursor);
        QAccessible::updateAccessibility(&event);
    }
    hadSelection_ = hasSelection;
    if (cursor != lastCursor_) {
        lastCursor_ = cursor;
        QAccessibleTextCursorEvent event(editor_, cursor);
        QAccessible::updateAccessibility(&event);
    }
}

}  // namespace veyrin

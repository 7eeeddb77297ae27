#include "textview/model/editor_engine.h"

#include "textview/model/char_boundaries.h"
#include "textview/model/tab_expansion.h"
#include "textview/model/word_chars.h"

#include <algorithm>
#include <cctype>
#include <utility>

namespace veyrin {
namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

bool isVerticalMove(TSynEditorCommand command) {
    const TSynEditorCommand base = isSelectionCommand(command) ? command - ecSelection : command;
    return base == ecUp || base == ecDown || base == ecPageUp || base == ecPageDown;
}

std::string leadingBlanks(std::string_view line, int limit) {
    int n = 0;
    while (n < limit && n < static_cast<int>(line.size()) && isBlank(line[n])) ++n;
    return std::string(line.substr(0, n));
}

char changeAsciiCase(char c, TSynEditorCommand command, bool wordStart) {
    const bool lower = c >= 'a' && c <= 'z', upper = c >= 'A' && c <= 'Z';
    if (!lower && !upper) return c;
    auto toUpper = [&] { return lower ? static_cast<char>(c - 32) : c; };
    auto toLower = [&] { return upper ? static_cast<char>(c + 32) : c; };
    switch (command) {
        case ecUpperCase: case ecUpperCaseBlock: case ecSelectionUpperCase: case ecWordUpperCase:
            return toUpper();
        case ecLowerCase: case ecLowerCaseBlock: case ecSelectionLowerCase: case ecWordLowerCase:
            return toLower();
        case ecTitleCase:
            return wordStart ? toUpper() : toLower();
        default:  // toggles
            return lower ? toUpper() : toLower();
    }
}

// Case changes touch ASCII letters only; the bytes of double-byte characters pass unchanged.
std::string changeCaseOf(std::string_view text, TSynEditorCommand command) {
    std::string out(text);
    bool wordStart = true;
    for (size_t i = 0; i < out.size();) {
        const int length = charLengthAt(out, static_cast<int>(i));
        if (length == 1) {
            out[i] = changeAsciiCase(out[i], command, wordStart);
            const unsigned char c = static_cast<unsigned char>(out[i]);
            wordStart = !(std::isalnum(c) || c == '_');
        } else {
            wordStart = true;
        }
        i += static_cast<size_t>(length);
    }
    return out;
}

}  // namespace

class TSynEditEngine::UpdateScope {
public:
    explicit UpdateScope(TSynEditEngine& engine) : engine_(engine) {
        ++engine_.ownUpdates_;
        engine_.lines().BeginUpdate();
    }
    ~UpdateScope() {
        engine_.lines().EndUpdate();
        --engine_.ownUpdates_;
    }
    UpdateScope(const UpdateScope&) = delete;
    UpdateScope& operator=(const UpdateScope&) = delete;

private:
    TSynEditEngine& engine_;
};

class TSynEditEngine::UndoBlock {
public:
    explicit UndoBlock(TSynEditUndoList& list) : list_(list) { list_.beginBlock(); }
    ~UndoBlock() { list_.endBlock(); }
    UndoBlock(const UndoBlock&) = delete;
    UndoBlock& operator=(const UndoBlock&) = delete;

private:
    TSynEditUndoList& list_;
};

TSynEditEngine::TSynEditEngine(TSynViewModel& view, ISynEditClipboard& clipboard) : view_(view), clipboard_(clipboard) {
    view_.lines().addObserver(this);
}

TSynEditEngine::~TSynEditEngine() { view_.lines().removeObserver(this); }

// A change that did not come through the engine cannot be undone from the history: it starts anew.
void TSynEditEngine::linesChanged(const TSynLinesChange&) {
    if (ownUpdates_ > 0) return;
    undoList_.clear();
    redoList_.clear();
    preferredDisplayCol_ = 0;
}

// --- Positions --------------------------------------------------------------------------------

TBufferCoord TSynEditEngine::endOfText() const {
    const int count = lineCount();
    if (count == 0) return {1, 1};
    return {lineLength(count) + 1, count};
}

std::string TSynEditEngine::text() const {
    std::string out;
    for (int l = 1; l <= lineCount(); ++l) {
        if (l > 1) out += "\r\n";
        out += line(l);
    }
    return out;
}

std::optional<TBufferCoord> TSynEditEngine::marker(int index) const {
    if (index < 0 || index >= static_cast<int>(markers_.size())) return std::nullopt;
    return markers_[static_cast<size_t>(index)];
}

// --- Caret and selection ----------------------------------------------------------------------

void TSynEditEngine::moveCaret(TBufferCoord pos, bool keepAnchor) {
    preferredDisplayCol_ = 0;
    undoList_.addGroupBreak();
    placeCaret(pos, keepAnchor);
}

void TSynEditEngine::setSelection(TBufferCoord anchor, TBufferCoord caret) {
    preferredDisplayCol_ = 0;
    undoList_.addGroupBreak();
    placeSelection(anchor, caret);
}

void TSynEditEngine::placeCaret(TBufferCoord pos, bool keepAnchor) {
    pos = normalise(pos);
    placeSelection(keepAnchor ? view_.anchor() : pos, pos);
}

void TSynEditEngine::placeSelection(TBufferCoord anchor, TBufferCoord caret) { view_.setCaretAndAnchor(caret, anchor); }

void TSynEditEngine::selectAll() { setSelection({1, 1}, endOfText()); }

void TSynEditEngine::selectWordAt(TBufferCoord pos) {
    pos = normalise(pos);
    if (lineCount() == 0) return moveCaret(pos);
    const auto [first, last] = wordRangeAt(line(pos.Line), pos.Char);
    setSelection({first, pos.Line}, {last, pos.Line});
}

// --- Movement ---------------------------------------------------------------------------------

TBufferCoord TSynEditEngine::charLeft(TBufferCoord pos) const {
    if (pos.Char > 1) return {previousCharCol(line(pos.Line), pos.Char), pos.Line};
    if (pos.Line > 1) return {lineLength(pos.Line - 1) + 1, pos.Line - 1};
    return pos;
}

TBufferCoord TSynEditEngine::charRight(TBufferCoord pos) const {
    if (lineCount() == 0) return pos;
    if (pos.Char <= lineLength(pos.Line)) return {nextCharCol(line(pos.Line), pos.Char), pos.Line};
    if (pos.Line < lineCount()) return {1, pos.Line + 1};
    return pos;
}

TBufferCoord TSynEditEngine::wordRight(TBufferCoord pos) const {
    if (lineCount() == 0) return pos;
    const std::string_view text = line(pos.Line);
    const int length = static_cast<int>(text.size());
    if (pos.Char > length) return pos.Line < lineCount() ? TBufferCoord{1, pos.Line + 1} : pos;
    int i = pos.Char - 1;
    const TSynCharClass cls = classifyCharAt(text, i);
    if (cls != TSynCharClass::symbol) {
        while (i < length && classifyCharAt(text, i) == cls) i += charLengthAt(text, i);
    } else if (!isBlank(text[i])) {
        i += charLengthAt(text, i);
    }
    while (i < length && isBlank(text[i])) ++i;
    return {i + 1, pos.Line};
}

TBufferCoord TSynEditEngine::wordLeft(TBufferCoord pos) const {
    if (pos.Char <= 1) return pos.Line > 1 ? TBufferCoord{lineLength(pos.Line - 1) + 1, pos.Line - 1} : pos;
    const std::string_view text = line(pos.Line);
    int col = std::min(pos.Char, static_cast<int>(text.size()) + 1);
    while (col > 1 && isBlank(text[col - 2])) --col;  // trail bytes are never blanks
    if (col == 1) return {1, pos.Line};
    const std::vector<int> starts = charStartColumns(text);
    auto it = std::lower_bound(starts.begin(), starts.end(), col) - 1;  // the character before col
    const TSynCharClass cls = classifyCharAt(text, *it - 1);
    if (cls != TSynCharClass::symbol)
        while (it != starts.begin() && classifyCharAt(text, *(it - 1) - 1) == cls) --it;
    return {*it, pos.Line};
}

TBufferCoord TSynEditEngine::rowStart(TBufferCoord pos) const {
    if (view_.rowCount() == 0) return {1, 1};
    return view_.displayToBuffer({1, view_.bufferToDisplay(pos).Row});
}

// End stops where Home's row ends: after the last cell of the line's last row, else before the
// row's last character (the position after it opens the next row), so a hanging blank stays on it.
TBufferCoord TSynEditEngine::rowEnd(TBufferCoord pos) const {
    if (view_.rowCount() == 0) return {1, 1};
    const int row = view_.bufferToDisplay(pos).Row;
    return columnInRow(row, view_.rowLength(row) + 1);
}

// The buffer position at a display column of a row: a column past the row's end stops at the
// end (the last row of a line may hold the caret after its last byte; the others may not, as that
// position belongs to the next row), and a column on a trail byte moves onto the character's start.
// A column among a tab's filler cells stays before the tab, as the display map puts it.
TBufferCoord TSynEditEngine::columnInRow(int row, int displayCol) const {
    const TBufferCoord start = view_.displayToBuffer({1, row});
    const int length = view_.rowLength(row);
    const bool lastRowOfLine = view_.isLastRowOfLine(row);
    const int maxCol = std::max(1, lastRowOfLine ? length + 1 : length);
    const TDisplayCoord target{std::min(displayCol, maxCol), row};
    TBufferCoord pos = view_.displayToBuffer(target);
    if (pos.Line != start.Line) return start;
    // Off a trail byte the display map steps right, past the target; only that steps back.
    if (target < view_.bufferToDisplay(pos) && pos.Char > start.Char)
        pos.Char = previousCharCol(line(pos.Line), pos.Char);
    return normalise(pos);
}

TBufferCoord TSynEditEngine::moveVertically(int rows) {
    const int rowCount = view_.rowCount();
    if (rowCount == 0) return view_.caret();
    const TDisplayCoord display = view_.bufferToDisplay(view_.caret());
    if (preferredDisplayCol_ == 0) preferredDisplayCol_ = display.Column;
    const int target = std::clamp(display.Row + rows, 1, rowCount);
    if (target == display.Row) return view_.caret();
    return columnInRow(target, preferredDisplayCol_);
}

void TSynEditEngine::pageMove(int direction, bool select) {
    const int rows = std::max(1, view_.linesInWindow());
    view_.setTopLine(view_.topLine() + direction * rows);
    undoList_.addGroupBreak();
    placeCaret(moveVertically(direction * rows), select);
}

bool TSynEditEngine::executeMove(TSynEditorCommand command, TBufferCoord pos) {
    const bool select = isSelectionCommand(command);
    const TSynEditorCommand base = select ? command - ecSelection : command;
    const TBufferCoord caret = view_.caret();
    auto go = [&](TBufferCoord target) {
        undoList_.addGroupBreak();
        placeCaret(target, select);
    };
    switch (base) {
        case ecLeft: go(charLeft(caret)); return true;
        case ecRight: go(charRight(caret)); return true;
        case ecUp: go(moveVertically(-1)); return true;
        case ecDown: go(moveVertically(1)); return true;
        case ecWordLeft: go(wordLeft(caret)); return true;
        case ecWordRight: go(wordRight(caret)); return true;
        case ecLineStart: go(rowStart(caret)); return true;
        case ecLineEnd: go(rowEnd(caret)); return true;
        case ecPageUp: pageMove(-1, select); return true;
        case ecPageDown: pageMove(1, select); return true;
        case ecPageTop:
        case ecPageBottom: {
            if (view_.rowCount() == 0) return true;
            const int top = view_.topLine();
            const int row = base == ecPageTop ? top : std::min(top + std::max(1, view_.linesInWindow()) - 1, view_.rowCount());
            go(columnInRow(row, view_.bufferToDisplay(caret).Column));
            return true;
        }
        case ecEditorTop: go({1, 1}); return true;
        case ecEditorBottom: go(endOfText()); return true;
        case ecGotoXY: go(pos); return true;
        case ecPageLeft:
        case ecPageRight: return true;  // the wrapped view never shifts sideways
        default: return false;
    }
}

// --- Raw edits --------------------------------------------------------------------------------

TBufferCoord TSynEditEngine::rawInsert(TBufferCoord at, std::string_view text) {
    const std::vector<std::string> parts = splitTextLines(text);
    if (lineCount() == 0) lines().Insert(0, "");
    at = normalise(at);
    const std::string current(line(at.Line));
    const std::string head = current.substr(0, static_cast<size_t>(at.Char - 1));
    const std::string tail = current.substr(static_cast<size_t>(at.Char - 1));
    if (parts.size() == 1) {
        lines().Put(at.Line - 1, head + parts[0] + tail);
        return {at.Char + static_cast<int>(parts[0].size()), at.Line};
    }
    lines().Put(at.Line - 1, head + parts[0]);
    const int last = static_cast<int>(parts.size()) - 1;
    for (int i = 1; i < last; ++i) lines().Insert(at.Line - 1 + i, parts[static_cast<size_t>(i)]);
    lines().Insert(at.Line - 1 + last, parts.back() + tail);
    return {static_cast<int>(parts.back().size()) + 1, at.Line + last};
}

void TSynEditEngine::rawDelete(TBufferCoord from, TBufferCoord to) {
    from = normalise(from);
    to = normalise(to);
    if (!(from < to)) return;
    const std::string_view first = line(from.Line);
    if (from.Line == to.Line) {
        std::string joined(first);
        joined.erase(static_cast<size_t>(from.Char - 1), static_cast<size_t>(to.Char - from.Char));
        lines().Put(from.Line - 1, joined);
        return;
    }
    std::string joined(first.substr(0, static_cast<size_t>(from.Char - 1)));
    joined += line(to.Line).substr(static_cast<size_t>(to.Char - 1));
    // From the bottom up, so each removal shifts as few lines as possible.
    for (int l = to.Line; l > from.Line; --l) lines().Delete(l - 1);
    lines().Put(from.Line - 1, joined);
}

// --- Recorded edits ---------------------------------------------------------------------------

void TSynEditEngine::recordChange(TSynChangeReason reason, TBufferCoord start, TBufferCoord end, std::string text) {
    if (replaying_) return;
    undoList_.addChange(reason, start, end, std::move(text), selMode_);
    redoList_.clear();
}

TBufferCoord TSynEditEngine::insertRecorded(TBufferCoord at, std::string_view text, TSynChangeReason reason) {
    at = normalise(at);
    const TBufferCoord end = rawInsert(at, text);
    recordChange(reason, at, end, std::string(text));
    return end;
}

void TSynEditEngine::deleteRecorded(TBufferCoord from, TBufferCoord to, TSynChangeReason reason) {
    from = normalise(from);
    to = normalise(to);
    if (!(from < to)) return;
    std::string removed = textInRange(from, to);
    rawDelete(from, to);
    recordChange(reason, from, to, std::move(removed));
}

TBufferCoord TSynEditEngine::deleteSelectionRecorded(TSynChangeReason reason) {
    if (!hasSelection()) return normalise(view_.caret());
    const TBufferCoord start = selStart();
    deleteRecorded(start, selEnd(), reason);
    view_.setCaretAndAnchor(start, start);
    return start;
}

// Runs `change` as one undo step inside one update of the lines; `change` answers the new caret
// and anchor. They are placed after the update ends, because the view collapses the selection then.
template <typename Change>
void TSynEditEngine::runEdit(Change change) {
    std::pair<TBufferCoord, TBufferCoord> caretAndAnchor;
    {
        UndoBlock block(undoList_);
        UpdateScope update(*this);
        caretAndAnchor = change();
    }
    placeSelection(caretAndAnchor.second, caretAndAnchor.first);
}

void TSynEditEngine::replaceSelection(std::string_view text, TSynChangeReason reason) {
    if (readOnly_) return;
    runEdit([&] {
        const TBufferCoord at = deleteSelectionRecorded(TSynChangeReason::crSelectionDelete);
        const TBufferCoord end = text.empty() ? at : insertRecorded(at, text, reason);
        return std::pair{end, end};
    });
}

void TSynEditEngine::clearSelection() {
    if (readOnly_ || !hasSelection()) return;
    replaceSelection({});
}

void TSynEditEngine::insertString(std::string_view text, TSynChangeReason reason) {
    if (readOnly_ || text.empty()) return;
    if (insertMode_ || hasSelection()) return replaceSelection(text, reason);
    // Overwrite: the characters covering as many bytes as the new text replace it, within the line.
    runEdit([&] {
        const TBufferCoord at = normalise(view_.caret());
        const std::string_view current = lineCount() == 0 ? std::string_view() : line(at.Line);
        int endCol = at.Char;
        while (endCol - at.Char < static_cast<int>(text.size()) && endCol <= static_cast<int>(current.size()))
            endCol = nextCharCol(current, endCol);
        deleteRecorded(at, {endCol, at.Line}, TSynChangeReason::crDeleteAfterCursor);
        const TBufferCoord end = insertRecorded(at, text, reason);
        return std::pair{end, end};
    });
}

void TSynEditEngine::typeChar(std::string_view ch) {
    if (ch.empty()) return;
    if (ch.size() == 1 && static_cast<unsigned char>(ch[0]) < 0x20) return;  // control characters
    insertString(ch, TSynChangeReason::crInsert);
}

void TSynEditEngine::lineBreak(bool moveCaretAfter) {
    if (readOnly_) return;
    runEdit([&] {
        const TBufferCoord at = deleteSelectionRecorded(TSynChangeReason::crSelectionDelete);
        const std::string indent =
            autoIndent_ && lineCount() > 0 ? leadingBlanks(line(at.Line), at.Char - 1) : std::string();
        const TBufferCoord end = insertRecorded(at, "\r\n" + indent, TSynChangeReason::crLineBreak);
        const TBufferCoord caret = moveCaretAfter ? end : at;
        return std::pair{caret, caret};
    });
}

void TSynEditEngine::deleteToward(TBufferCoord target, TSynChangeReason reason) {
    if (readOnly_) return;
    if (hasSelection()) return clearSelection();
    const TBufferCoord caret = normalise(view_.caret());
    target = normalise(target);
    if (target == caret) return;
    runEdit([&] {
        const TBufferCoord from = std::min(caret, target), to = std::max(caret, target);
        deleteRecorded(from, to, reason);
        return std::pair{from, from};
    });
}

void TSynEditEngine::deleteLastChar() { deleteToward(charLeft(normalise(view_.caret())), TSynChangeReason::crDelete); }

void TSynEditEngine::deleteChar() {
    deleteToward(charRight(normalise(view_.caret())), TSynChangeReason::crDeleteAfterCursor);
}

void TSynEditEngine::deleteLine() {
    if (readOnly_ || lineCount() == 0) return;
    const int l = normalise(view_.caret()).Line, count = lineCount();
    runEdit([&] {
        if (l < count)
            deleteRecorded({1, l}, {1, l + 1}, TSynChangeReason::crDeleteAfterCursor);
        else if (l > 1)
            deleteRecorded({lineLength(l - 1) + 1, l - 1}, {lineLength(l) + 1, l}, TSynChangeReason::crDeleteAfterCursor);
        else
            deleteRecorded({1, l}, {lineLength(l) + 1, l}, TSynChangeReason::crDeleteAfterCursor);
        const TBufferCoord caret = normalise({1, l});
        return std::pair{caret, caret};
    });
}

void TSynEditEngine::insertTab() {
    // Tabs become spaces up to the next tab stop of the line's expanded text.
    const TBufferCoord at = normalise(view_.caret());
    const std::string_view current = lineCount() == 0 ? std::string_view() : line(at.Line);
    const int expandedCol = byteToExpandedColumn(current, at.Char, tabWidth_);
    const int spaces = tabWidth_ - (expandedCol - 1) % tabWidth_;
    insertString(std::string(static_cast<size_t>(spaces), ' '), TSynChangeReason::crInsert);
}

void TSynEditEngine::indentSelectedLines(bool indent) {
    if (readOnly_ || lineCount() == 0) return;
    const TBufferCoord from = selStart(), to = selEnd();
    const int lastLine = (to.Char == 1 && to.Line > from.Line) ? to.Line - 1 : to.Line;
    constexpr int kBlockIndent = 2;
    runEdit([&] {
        for (int l = from.Line; l <= lastLine; ++l) {
            if (indent) {
                insertRecorded({1, l}, std::string(kBlockIndent, ' '), TSynChangeReason::crInsert);
                continue;
            }
            const std::string_view text = line(l);
            int n = 0;
            if (!text.empty() && text[0] == '\t') n = 1;
            else while (n < kBlockIndent && n < static_cast<int>(text.size()) && text[n] == ' ') ++n;
            deleteRecorded({1, l}, {n + 1, l}, TSynChangeReason::crDeleteAfterCursor);
        }
        return std::pair{TBufferCoord{lineLength(lastLine) + 1, lastLine}, TBufferCoord{1, from.Line}};
    });
}

void TSynEditEngine::changeCase(TSynEditorCommand command) {
    if (readOnly_ || lineCount() == 0) return;
    const bool wordOnly = command >= ecWordUpperCase && command <= ecWordToggleCase;
    const bool selectionOnly = (command >= ecUpperCaseBlock && command <= ecToggleCaseBlock) ||
                               (command >= ecSelectionUpperCase && command <= ecSelectionToggleCase);
    TBufferCoord from = selStart(), to = selEnd();
    const bool useWord = wordOnly || (!hasSelection() && !selectionOnly);
    if (useWord) {
        const TBufferCoord caret = normalise(view_.caret());
        const auto [first, last] = wordRangeAt(line(caret.Line), caret.Char);
        from = {first, caret.Line};
        to = {last, caret.Line};
    }
    if (!(from < to)) return;
    const std::string before = textInRange(from, to);
    const std::string after = changeCaseOf(before, command);
    if (after == before) return;
    const TBufferCoord caret = view_.caret(), anchor = view_.anchor();
    runEdit([&] {
        deleteRecorded(from, to, TSynChangeReason::crSelectionDelete);
        insertRecorded(from, after, TSynChangeReason::crInsert);
        return std::pair{caret, anchor};
    });
}

// --- Drag and drop ----------------------------------------------------------------------------

bool TSynEditEngine::dropSelection(TBufferCoord target, bool copy) {
    if (readOnly_ || !hasSelection()) return false;
    target = normalise(target);
    const TBufferCoord start = selStart(), end = selEnd();
    const bool inside = copy ? (start < target && target < end) : (!(target < start) && !(end < target));
    if (inside) return false;
    const std::string moved = selectedText();
    runEdit([&] {
        TBufferCoord at = target;
        if (!copy) {
            if (end < at) {  // the text before the target shrinks by the moved part
                if (at.Line == end.Line) at = {start.Char + (at.Char - end.Char), start.Line};
                else at.Line -= end.Line - start.Line;
            }
            deleteRecorded(start, end, TSynChangeReason::crDragDropDelete);
        }
        const TBufferCoord stop = insertRecorded(at, moved, TSynChangeReason::crDragDropInsert);
        return std::pair{stop, at};
    });
    return true;
}

void TSynEditEngine::dropText(TBufferCoord target, std::string_view text) {
    if (readOnly_ || text.empty()) return;
    runEdit([&] {
        const TBufferCoord at = normalise(target);
        const TBufferCoord stop = insertRecorded(at, text, TSynChangeReason::crDragDropInsert);
        return std::pair{stop, at};
    });
}

// --- Clipboard --------------------------------------------------------------------------------

void TSynEditEngine::copyToClipboard() {
    if (!hasSelection()) return;
    clipboard_.write(TSynClipboardBlock{selMode_, selectedText()});
}

void TSynEditEngine::cutToClipboard() {
    if (readOnly_ || !hasSelection()) return;
    copyToClipboard();  // a refused copy raises before anything is deleted
    runEdit([&] {
        const TBufferCoord at = deleteSelectionRecorded(TSynChangeReason::crSelectionDelete);
        return std::pair{at, at};
    });
}

void TSynEditEngine::pasteFromClipboard() {
    if (readOnly_) return;
    const std::optional<TSynClipboardBlock> block = clipboard_.read();
    if (!block || block->text.empty()) return;
    // Line and column blocks from other views are inserted as a stream; this view selects in
    // normal mode only.
    replaceSelection(block->text, TSynChangeReason::crPaste);
}

// --- Undo and redo ----------------------------------------------------------------------------

void TSynEditEngine::applyUndo(const TSynEditUndoItem& item) {
    if (isInsertion(item.reason)) {
        rawDelete(item.start, item.end);
        view_.setCaretAndAnchor(item.start, item.start);
        return;
    }
    const TBufferCoord end = rawInsert(item.start, item.text);
    switch (item.reason) {
        case TSynChangeReason::crDelete: view_.setCaretAndAnchor(end, end); break;
        case TSynChangeReason::crDeleteAfterCursor: view_.setCaretAndAnchor(item.start, item.start); break;
        default: view_.setCaretAndAnchor(end, item.start); break;  // the removed selection comes back selected
    }
}

void TSynEditEngine::applyRedo(const TSynEditUndoItem& item) {
    if (isInsertion(item.reason)) {
        const TBufferCoord end = rawInsert(item.start, item.text);
        view_.setCaretAndAnchor(end, end);
    } else {
        rawDelete(item.start, item.end);
        view_.setCaretAndAnchor(item.start, item.start);
    }
}

void TSynEditEngine::undo() {
    if (!canUndo()) return;
    std::pair<TBufferCoord, TBufferCoord> caretAndAnchor;
    {
        replaying_ = true;
        UpdateScope update(*this);
        while (true) {
            TSynEditUndoItem item = undoList_.popItem();
            applyUndo(item);
            const TSynEditUndoItem* next = undoList_.peekItem();
            const bool more = next && inSameUndoStep(*next, item, groupUndo_);
            redoList_.pushItem(std::move(item));
            if (!more) break;
        }
        caretAndAnchor = {view_.caret(), view_.anchor()};
        replaying_ = false;
    }
    undoList_.addGroupBreak();
    placeSelection(caretAndAnchor.second, caretAndAnchor.first);
}

void TSynEditEngine::redo() {
    if (!canRedo()) return;
    std::pair<TBufferCoord, TBufferCoord> caretAndAnchor;
    {
        replaying_ = true;
        UpdateScope update(*this);
        while (true) {
            TSynEditUndoItem item = redoList_.popItem();
            applyRedo(item);
            const TSynEditUndoItem* next = redoList_.peekItem();
            const bool more = next && inSameUndoStep(item, *next, groupUndo_);
            undoList_.pushItem(std::move(item));
            if (!more) break;
        }
        caretAndAnchor = {view_.caret(), view_.anchor()};
        replaying_ = false;
    }
    placeSelection(caretAndAnchor.second, caretAndAnchor.first);
}

// --- Markers and brackets ---------------------------------------------------------------------

void TSynEditEngine::setMarker(int index) { markers_[static_cast<size_t>(index)] = normalise(view_.caret()); }

void TSynEditEngine::gotoMarker(int index) {
    if (const auto& pos = markers_[static_cast<size_t>(index)]) moveCaret(*pos);
}

void TSynEditEngine::matchBracket() {
    static constexpr std::string_view kOpen = "([{<", kClose = ")]}>";
    if (lineCount() == 0) return;
    const TBufferCoord caret = normalise(view_.caret());
    const std::string_view here = line(caret.Line);
    auto bracketAt = [&](int col) -> int {  // index into kOpen/kClose, or -1
        if (col < 1 || col > static_cast<int>(here.size()) || isInsideChar(here, col)) return -1;
        const char c = here[static_cast<size_t>(col - 1)];
        const auto o = kOpen.find(c), cl = kClose.find(c);
        return o != std::string_view::npos ? int(o) : cl != std::string_view::npos ? int(cl) : -1;
    };
    int col = caret.Char;
    if (bracketAt(col) < 0) col = previousCharCol(here, col);
    const int kind = bracketAt(col);
    if (kind < 0) return;
    const char open = kOpen[static_cast<size_t>(kind)], close = kClose[static_cast<size_t>(kind)];
    const bool forward = here[static_cast<size_t>(col - 1)] == open;
    int depth = 0;
    for (int l = caret.Line; l >= 1 && l <= lineCount(); l += forward ? 1 : -1) {
        const std::string_view text = line(l);
        std::vector<int> starts = charStartColumns(text);
        if (!forward) std::reverse(starts.begin(), starts.end());
        for (int start : starts) {
            if (l == caret.Line && (forward ? start < col : start > col)) continue;
            if (charLengthAt(text, start - 1) != 1) continue;
            const char c = text[static_cast<size_t>(start - 1)];
            if (c == open) depth += forward ? 1 : -1;
            else if (c == close) depth += forward ? -1 : 1;
            if (depth == 0) return moveCaret({start, l});
        }
    }
}

// --- Dispatch ---------------------------------------------------------------------------------

bool TSynEditEngine::executeEdit(TSynEditorCommand command, std::string_view text) {
    switch (command) {
        case ecChar: typeChar(text); return true;
        case ecImeStr: insertString(text, TSynChangeReason::crImeInsert); return true;
        case ecString: insertString(text, TSynChangeReason::crInsert); return true;
        case ecLineBreak: lineBreak(true); return true;
        case ecInsertLine: lineBreak(false); return true;
        case ecDeleteLastChar: deleteLastChar(); return true;
        case ecDeleteChar: deleteChar(); return true;
        case ecDeleteWord: deleteToward(wordRight(normalise(view_.caret())), TSynChangeReason::crDeleteAfterCursor); return true;
        case ecDeleteLastWord: deleteToward(wordLeft(normalise(view_.caret())), TSynChangeReason::crDelete); return true;
        case ecDeleteBOL: deleteToward({1, view_.caret().Line}, TSynChangeReason::crDelete); return true;
        case ecDeleteEOL: deleteToward({lineLength(view_.caret().Line) + 1, view_.caret().Line}, TSynChangeReason::crDeleteAfterCursor); return true;
        case ecDeleteLine: deleteLine(); return true;
        case ecClearAll:
            if (!readOnly_) {
                selectAll();
                clearSelection();
            }
            return true;
        case ecDeleteCurrentWord: {
            if (readOnly_ || lineCount() == 0) return true;
            const TBufferCoord caret = normalise(view_.caret());
            const auto [first, last] = wordRangeAt(line(caret.Line), caret.Char);
            if (first < last) {
                setSelection({first, caret.Line}, {last, caret.Line});
                clearSelection();
            }
            return true;
        }
        case ecTab: insertTab(); return true;
        case ecBlockIndent: indentSelectedLines(true); return true;
        case ecBlockUnindent: indentSelectedLines(false); return true;
        case ecUndo: undo(); return true;
        case ecRedo: redo(); return true;
        case ecCut: cutToClipboard(); return true;
        case ecPaste: pasteFromClipboard(); return true;
        case ecUpperCase: case ecLowerCase: case ecToggleCase: case ecTitleCase:
        case ecUpperCaseBlock: case ecLowerCaseBlock: case ecToggleCaseBlock:
        case ecSelectionUpperCase: case ecSelectionLowerCase: case ecSelectionToggleCase:
        case ecWordUpperCase: case ecWordLowerCase: case ecWordToggleCase:
            changeCase(command);
            return true;
        default: return false;
    }
}

bool TSynEditEngine::executeMisc(TSynEditorCommand command) {
    if (command >= ecGotoMarker0 && command <= ecGotoMarker9) {
        gotoMarker(command - ecGotoMarker0);
        return true;
    }
    if (command >= ecSetMarker0 && command <= ecSetMarker9) {
        setMarker(command - ecSetMarker0);
        return true;
    }
    const TBufferCoord caret = normalise(view_.caret());
    switch (command) {
        case ecSelectAll: selectAll(); return true;
        case ecCopy: copyToClipboard(); return true;
        case ecScrollUp: view_.setTopLine(view_.topLine() - 1); return true;
        case ecScrollDown: view_.setTopLine(view_.topLine() + 1); return true;
        case ecInsertMode: insertMode_ = true; return true;
        case ecOverwriteMode: insertMode_ = false; return true;
        case ecToggleMode: insertMode_ = !insertMode_; return true;
        case ecMatchBracket: matchBracket(); return true;
        case ecSelectCurrentLine:
            setSelection({1, caret.Line},
                         caret.Line < lineCount() ? TBufferCoord{1, caret.Line + 1} : TBufferCoord{lineLength(caret.Line) + 1, caret.Line});
            return true;
        case ecNextLine: moveCaret({1, caret.Line + 1}); return true;
        case ecPreviousLine: moveCaret({1, caret.Line - 1}); return true;
        case ecClearAllMarkers: markers_.fill(std::nullopt); return true;
        default: return false;  // selection modes, help, printing, completion: nothing to do here
    }
}

void TSynEditEngine::executeCommand(TSynEditorCommand command, std::string_view text, TBufferCoord pos) {
    if (!isVerticalMove(command)) preferredDisplayCol_ = 0;
    if (executeMove(command, pos)) return;
    if (executeEdit(command, text)) return;
    executeMisc(command);
}

}  // namespace veyrin

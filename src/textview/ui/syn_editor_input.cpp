// Keyboard, mouse and input-method handling of the text view. This holds the reading behaviour
// (placing the caret, extending the selection, moving by keys, scrolling by the wheel, the double
// click event); the editing commands build on it.

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

#include "textview/model/gbk_cells.h"
#include "textview/ui/syn_editor.h"

namespace veyrin {

void TSynEditor::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    bool extend = event->modifiers().testFlag(Qt::ShiftModifier);
    setCaretXY(pixelToBufferPos(event->position().toPoint(), false), extend);
    selecting_ = true;
}

void TSynEditor::mouseMoveEvent(QMouseEvent* event) {
    if (!selecting_ || !(event->buttons() & Qt::LeftButton)) return;
    setCaretXY(pixelToBufferPos(event->position().toPoint(), true), true);
}

void TSynEditor::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) selecting_ = false;
}

void TSynEditor::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    emit dblClicked();
}

void TSynEditor::wheelEvent(QWheelEvent* event) {
    int steps = wheel_.add(event->angleDelta().y());
    if (steps != 0) {
        bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
        setTopLine(topLine_ - wheelScrollRows(steps, QApplication::wheelScrollLines(), ctrl, linesInWindow()));
    }
    event->accept();
}

void TSynEditor::keyPressEvent(QKeyEvent* event) {
    static const int kMovementKeys[] = {Qt::Key_Up,   Qt::Key_Down,   Qt::Key_Left,     Qt::Key_Right,
                                        Qt::Key_Home, Qt::Key_End,    Qt::Key_PageUp,   Qt::Key_PageDown};
    int key = event->key();
    if (std::find(std::begin(kMovementKeys), std::end(kMovementKeys), key) == std::end(kMovementKeys)) {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    moveCaretByKey(key, event->modifiers().testFlag(Qt::ShiftModifier));
    event->accept();
}

void TSynEditor::moveCaretByKey(int key, bool extend) {
    TBufferCoord caret = caretXY();
    TDisplayCoord display = bufferToDisplayPos(caret);
    std::string_view line = lines_.GetView(caret.Line - 1);
    // Up and Down keep the display column; a column inside a character moves to its start.
    auto toRow = [this](TDisplayCoord target) {
        target.Row = std::clamp(target.Row, 1, std::max(1, rowCount()));
        target.Column = std::min(target.Column, displayMap_.rowLength(target.Row) + 1);
        TBufferCoord pos = displayToBufferPos(target);
        if (bufferToDisplayPos(pos).Column > target.Column) pos.Char -= 2;
        return pos;
    };
    switch (key) {
        case Qt::Key_Up: caret = toRow({display.Column, display.Row - 1}); break;
        case Qt::Key_Down: caret = toRow({display.Column, display.Row + 1}); break;
        case Qt::Key_PageUp:
            setTopLine(topLine_ - linesInWindow());
            caret = toRow({display.Column, display.Row - linesInWindow()});
            break;
        case Qt::Key_PageDown:
            setTopLine(topLine_ + linesInWindow());
            caret = toRow({display.Column, display.Row + linesInWindow()});
            break;
        case Qt::Key_Home: caret = displayToBufferPos({1, display.Row}); break;
        case Qt::Key_End: caret = displayToBufferPos({displayMap_.rowLength(display.Row) + 1, display.Row}); break;
        case Qt::Key_Left:
            if (caret.Char > 1) {
                caret.Char -= isTrailByteAt(line, 0, static_cast<size_t>(caret.Char - 2)) ? 2 : 1;
            } else if (caret.Line > 1) {
                caret = {static_cast<int>(lines_.GetView(caret.Line - 2).size()) + 1, caret.Line - 1};
            }
            break;
        case Qt::Key_Right:
            if (caret.Char <= static_cast<int>(line.size())) {
                caret.Char += isTrailByteAt(line, 0, static_cast<size_t>(caret.Char)) ? 2 : 1;
            } else if (caret.Line < lines_.Count()) {
                caret = {1, caret.Line + 1};
            }
            break;
        default: return;
    }
    setCaretXY(caret, extend);
}

void TSynEditor::inputMethodEvent(QInputMethodEvent* event) {
    // Composed text is inserted by the editing commands; the view only keeps the composition window
    // beside the caret.
    event->accept();
}

}  // namespace veyrin

// Keyboard, mouse and input-method events of the text view. Editing input goes to the editing
// controller (key table, commands, clipboard, drag-and-drop); the wheel only scrolls.

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include "textview/ui/syn_editing_controller.h"
#include "textview/ui/syn_editor.h"

namespace veyrin {

void TSynEditor::mousePressEvent(QMouseEvent* event) {
    editing().mousePress(event);
    if (event->button() != Qt::LeftButton) QAbstractScrollArea::mousePressEvent(event);
}

void TSynEditor::mouseMoveEvent(QMouseEvent* event) { editing().mouseMove(event); }

void TSynEditor::mouseReleaseEvent(QMouseEvent* event) { editing().mouseRelease(event); }

void TSynEditor::mouseDoubleClickEvent(QMouseEvent* event) { editing().mouseDoubleClick(event); }

void TSynEditor::wheelEvent(QWheelEvent* event) {
    int steps = wheel_.add(event->angleDelta().y());
    if (steps != 0) {
        bool ctrl = event->modifiers().testFlag(Qt::ControlModifier);
        setTopLine(topLine() - wheelScrollRows(steps, QApplication::wheelScrollLines(), ctrl, linesInWindow()));
    }
    event->accept();
}

void TSynEditor::keyPressEvent(QKeyEvent* event) {
    editing().keyPress(event);
    if (!event->isAccepted()) QAbstractScrollArea::keyPressEvent(event);
}

void TSynEditor::inputMethodEvent(QInputMethodEvent* event) { editing().inputMethod(event); }

}  // namespace veyrin

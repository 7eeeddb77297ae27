#include "textview/ui/syn_editing_controller.h"

#include "platform/ui/gbk_qt.h"
#include "textview/model/drag_scroll.h"
#include "textview/ui/key_translation.h"
#include "textview/ui/syn_editor.h"

#include <QApplication>
#include <QGuiApplication>
#include <QInputMethod>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

#include <algorithm>

namespace veyrin {

TSynEditingController::TSynEditingController(TSynEditor& view)
    : QObject(&view),
      view_(view),
      engine_(view.viewModel(), clipboard_),
      composition_(new TSynCompositionWindow(view.viewport())) {
    scrollTimer_.setInterval(kDragScrollIntervalMs);
    connect(&scrollTimer_, &QTimer::timeout, this, &TSynEditingController::onScrollTimer);
}

void TSynEditingController::executeCommand(TSynEditorCommand command, std::string_view text) {
    const bool insertMode = engine_.insertMode();
    engine_.executeCommand(command, text);
    if (engine_.insertMode() != insertMode) view_.viewport()->update();  // the caret changes shape
    QGuiApplication::inputMethod()->update(Qt::ImCursorRectangle);
}

// --- Keyboard ---------------------------------------------------------------------------------

void TSynEditingController::keyPress(QKeyEvent* event) {
    const int key = virtualKeyFor(*event);
    // The view does not want tabs: Tab belongs to the focus chain, never to the text.
    if (key == vk::Tab) {
        event->ignore();
        return;
    }
    if (key != 0) {
        const TSynKeyLookup found = keyStrokes_.press(key, shiftStateFor(event->modifiers()));
        if (found.command != ecNone) {
            executeCommand(found.command);
            event->accept();
            return;
        }
        if (found.awaitingSecondKey) {
            event->accept();
            return;
        }
    }
    const QString text = event->text();
    const bool commandChord = event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (text.isEmpty() || commandChord || !text.at(0).isPrint()) {
        event->ignore();
        return;
    }
    typeText(text);
    event->accept();
}

// Each character typed arrives as its own ecChar, a double-byte character as its two bytes.
void TSynEditingController::typeText(const QString& text) {
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype length = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        executeCommand(ecChar, qStringToGbk(text.mid(i, length)));
        i += length;
    }
}

void TSynEditingController::inputMethod(QInputMethodEvent* event) {
    // A finished composition is one string and one undo step, whatever its length.
    if (!event->commitString().isEmpty()) executeCommand(ecImeStr, qStringToGbk(event->commitString()));
    int cursor = -1;
    for (const QInputMethodEvent::Attribute& attribute : event->attributes())
        if (attribute.type == QInputMethodEvent::Cursor && attribute.length > 0) cursor = attribute.start;
    const QRect caret = view_.inputMethodQuery(Qt::ImCursorRectangle).toRect().translated(-view_.viewport()->pos());
    composition_->showComposition(event->preeditString(), view_.textFont(), QPoint(caret.left() + 1, caret.top()), cursor);
    event->accept();
}

// --- Mouse ------------------------------------------------------------------------------------

bool TSynEditingController::isInMargin(QPoint viewportPos) const { return viewportPos.x() < view_.textLeft(); }

void TSynEditingController::mousePress(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;  // the right button leaves the caret alone
    view_.setFocus(Qt::MouseFocusReason);
    const QPoint point = event->position().toPoint();
    pressPos_ = lastMousePos_ = point;
    const TBufferCoord pos = view_.pixelToBufferPos(point, false);
    const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
    if (!shift && dragDropEditing_ && !engine_.readOnly() && view_.selection().contains(pos)) {
        mouseState_ = MouseState::dragArmed;
        return;
    }
    engine_.moveCaret(pos, shift);
    mouseState_ = MouseState::selecting;
}

void TSynEditingController::mouseMove(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint point = event->position().toPoint();
    lastMousePos_ = point;
    shiftHeld_ = event->modifiers().testFlag(Qt::ShiftModifier);
    switch (mouseState_) {
        case MouseState::dragArmed:
            if ((point - pressPos_).manhattanLength() >= QApplication::startDragDistance()) {
                mouseState_ = MouseState::dragging;
                view_.viewport()->setCursor(Qt::DragMoveCursor);
            }
            break;
        case MouseState::selecting:
            extendSelectionTo(point);
            updateScrollTimer(point);
            break;
        default:
            break;
    }
}

void TSynEditingController::mouseRelease(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    scrollTimer_.stop();
    if (mouseState_ == MouseState::dragArmed) {
        engine_.moveCaret(view_.pixelToBufferPos(pressPos_, false));  // a plain click in the selection
    } else if (mouseState_ == MouseState::dragging) {
        view_.viewport()->unsetCursor();
        dropDraggedSelection(event);
    }
    mouseState_ = MouseState::idle;
}

// The drop lands in whichever view is under the mouse: inside this one the selection moves (or is
// copied with Ctrl); into another view it is copied (or moved with Shift); anywhere else nothing
// happens.
void TSynEditingController::dropDraggedSelection(QMouseEvent* event) {
    TSynEditor* target = editorAt(event->globalPosition().toPoint());
    if (!target) return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const QPoint targetPoint = target->viewport()->mapFromGlobal(event->globalPosition().toPoint());
    const TBufferCoord pos = target->pixelToBufferPos(targetPoint, false);
    if (target == &view_) {
        engine_.dropSelection(pos, modifiers.testFlag(Qt::ControlModifier));
        return;
    }
    TSynEditEngine& other = target->editingEngine();
    if (other.readOnly()) return;
    other.dropText(pos, engine_.selectedText());
    target->setFocus(Qt::MouseFocusReason);
    if (modifiers.testFlag(Qt::ShiftModifier)) engine_.clearSelection();
}

TSynEditor* TSynEditingController::editorAt(QPoint globalPos) {
    for (QWidget* widget = QApplication::widgetAt(globalPos); widget; widget = widget->parentWidget())
        if (auto* editor = qobject_cast<TSynEditor*>(widget)) return editor;
    return nullptr;
}

void TSynEditingController::mouseDoubleClick(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    scrollTimer_.stop();
    mouseState_ = MouseState::idle;
    const QPoint point = event->position().toPoint();
    if (!isInMargin(point)) engine_.selectWordAt(view_.pixelToBufferPos(point, false));
    emit view_.dblClicked();
}

void TSynEditingController::extendSelectionTo(QPoint viewportPos) {
    engine_.moveCaret(view_.pixelToBufferPos(viewportPos, true), true);
}

void TSynEditingController::updateScrollTimer(QPoint viewportPos) {
    const QSize area = view_.viewport()->size();
    const bool outside = isOutsideTextArea(viewportPos.x(), viewportPos.y(), view_.textLeft(), area.width(), area.height());
    if (outside && !scrollTimer_.isActive()) scrollTimer_.start();
    if (!outside) scrollTimer_.stop();
}

void TSynEditingController::onScrollTimer() {
    if (mouseState_ != MouseState::selecting) {
        scrollTimer_.stop();
        return;
    }
    const int rows = dragScrollRows(lastMousePos_.y(), view_.viewport()->height(), view_.rowHeight(),
                                    view_.linesInWindow(), shiftHeld_);
    if (rows != 0) view_.setTopLine(view_.topLine() + rows);
    extendSelectionTo(lastMousePos_);
}

}  // namespace veyrin

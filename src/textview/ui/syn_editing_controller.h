#pragma once
// Routes the text view's input to its editing commands: key presses through the key table, the
// input method's finished strings, mouse selection, double click, drag-and-drop of the selection
// with its auto-scroll timer, and the clipboard.

#include "textview/model/editor_engine.h"
#include "textview/model/key_strokes.h"
#include "textview/ui/syn_clipboard.h"
#include "textview/ui/syn_composition_window.h"

#include <QObject>
#include <QPoint>
#include <QTimer>

class QInputMethodEvent;
class QKeyEvent;
class QMouseEvent;

namespace veyrin {

class TSynEditor;

class TSynEditingController : public QObject {
    Q_OBJECT
public:
    static constexpr int kDragScrollIntervalMs = 100;

    explicit TSynEditingController(TSynEditor& view);

    TSynEditEngine& engine() { return engine_; }
    TSynEditKeyStrokes& keyStrokes() { return keyStrokes_; }
    bool dragDropEditing() const { return dragDropEditing_; }
    void setDragDropEditing(bool value) { dragDropEditing_ = value; }
    bool isDragScrolling() const { return scrollTimer_.isActive(); }
    const TSynCompositionWindow& compositionWindow() const { return *composition_; }

    // Runs a command and keeps the view's caret and input method in step.
    void executeCommand(TSynEditorCommand command, std::string_view text = {});

    void keyPress(QKeyEvent* event);
    void inputMethod(QInputMethodEvent* event);
    void mousePress(QMouseEvent* event);
    void mouseMove(QMouseEvent* event);
    void mouseRelease(QMouseEvent* event);
    void mouseDoubleClick(QMouseEvent* event);

private:
    enum class MouseState { idle, selecting, dragArmed, dragging };

    void typeText(const QString& text);
    void dropDraggedSelection(QMouseEvent* event);
    static TSynEditor* editorAt(QPoint globalPos);
    bool isInMargin(QPoint viewportPos) const;
    void extendSelectionTo(QPoint viewportPos);
    void onScrollTimer();
    void updateScrollTimer(QPoint viewportPos);

    TSynEditor& view_;
    TSynQtClipboard clipboard_;
    TSynEditEngine engine_;
    TSynEditKeyStrokes keyStrokes_;
    QTimer scrollTimer_;
    TSynCompositionWindow* composition_;  // owned by the viewport
    MouseState mouseState_ = MouseState::idle;
    QPoint pressPos_;
    QPoint lastMousePos_;
    bool shiftHeld_ = false;
    bool dragDropEditing_ = true;
};

}  // namespace veyrin

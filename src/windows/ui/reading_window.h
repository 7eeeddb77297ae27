#pragma once
// The reading window: a maximised, modal look at a copy of the main window's text, font, colours,
// ruled-line switch and notes, with a small tool bar of editing actions. Nothing done here goes
// back to the main window; each double click makes a fresh window.

#include <QAction>

#include "skin/ui/frame_host.h"
#include "windows/model/reading_snapshot.h"

class QToolBar;

namespace veyrin {

class TSynEditor;
class TsuiPanel;
class PlainMemo;

class TForm3 : public FrameHost {
    Q_OBJECT
public:
    explicit TForm3(const ReadingSnapshot& fromMainWindow, QWidget* parent = nullptr);
    ~TForm3() override;

    TsuiPanel* suiPanel1 = nullptr;
    PlainMemo* Memo1 = nullptr;
    PlainMemo* Memo2 = nullptr;
    QToolBar* ToolBar2 = nullptr;
    TSynEditor* memo3 = nullptr;

    QAction* EditCut1 = nullptr;
    QAction* EditCopy1 = nullptr;
    QAction* EditPaste1 = nullptr;
    QAction* EditSelectAll1 = nullptr;
    QAction* EditUndo1 = nullptr;
    QAction* EditDelete1 = nullptr;
    QAction* Action1 = nullptr;

    // Takes over the main window's state, in the order the view's setters rely on.
    void FormCreate(const ReadingSnapshot& fromMainWindow);
    // Re-evaluates which actions apply to the focused control; runs whenever the program is idle.
    void updateActions();
    // Shows the window maximised and modal; returns when it closes.
    void open();

private:
    void buildControls();
    void buildActions();
    QWidget* actionTarget() const;
};

// The tool bar's separators are 8-pixel gaps; what adds buttons after the specified ones uses the
// same kind.
void addToolBarSeparator(QToolBar& bar);

}  // namespace veyrin

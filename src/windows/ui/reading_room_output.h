#pragma once
// The reading window's way out of the screen: 朗读 (F8) reads the text aloud from the caret or
// the selection, 导出 (Ctrl+E) saves it as a PDF or PNG on ruled letter paper. Both sit on the
// tool bar after a separator; their keys work anywhere in the window.

#include <QAction>
#include <QPointer>

class QKeyEvent;
class QToolBar;

namespace veyrin {

class SpeechEngine;
class TSynEditor;

class ReadingRoomOutput : public QObject {
    Q_OBJECT
public:
    ReadingRoomOutput(QWidget& window, TSynEditor& view, SpeechEngine& speech);
    ~ReadingRoomOutput() override;

    QAction* ReadAloud1 = nullptr;
    QAction* Export1 = nullptr;

    // F8: starts reading, or stops the reading under way.
    void readAloudClick();
    // Ctrl+E: asks for a file name, then writes the file its extension names.
    void exportClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void showSpeechState();
    bool isEnabledKey(const QKeyEvent& key) const;

    QWidget& window_;
    TSynEditor& view_;
    QPointer<SpeechEngine> speech_;
};

// Adds the separator and both buttons to `bar`, after what it holds.
ReadingRoomOutput* addReadingRoomOutput(QWidget& window, QToolBar& bar, TSynEditor& view);

}  // namespace veyrin

#pragma once
// A hint that waits: a text requested now shows at the cursor after a pause, and hides again
// after the hint hide pause. Object hints and tool-tips both work this way.

#include <QObject>
#include <QPoint>
#include <QString>
#include <QTimer>

class QCursor;

namespace veyrin {

class TbsSkinHintWindow;

// Application hint timing, in milliseconds.
inline constexpr int kHintPause = 500;
inline constexpr int kHintShortPause = 100;
inline constexpr int kHintHidePause = 2500;

// How far below its hot spot `cursor` reaches; standard shapes whose image Qt does not expose use
// the height of the arrow's image.
int cursorDropBelowHotSpot(const QCursor& cursor);
// Where a hint for the cursor goes: just below the cursor's image.
QPoint hintPointAtCursor();

class DelayedHint : public QObject {
    Q_OBJECT
public:
    DelayedHint(TbsSkinHintWindow& window, QObject* parent = nullptr);

    // Replaces any pending or shown hint with `text`, shown after `pause` ms.
    void request(const QString& text, int pause);
    // Shows `text` now at `at`; it hides after the hint hide pause.
    void showNow(const QString& text, QPoint at);
    // Stops waiting and hides the hint at once.
    void cancel();

    bool isWaiting() const { return timer_.isActive() && !shown_; }
    QString pendingText() const { return text_; }

private:
    void onTimeout();

    TbsSkinHintWindow& window_;
    QTimer timer_;
    QString text_;
    bool shown_ = false;
};

}  // namespace veyrin

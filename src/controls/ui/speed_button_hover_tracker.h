#pragma once
// The one hover-tracking timer that all speed buttons share. Qt tells a widget when the mouse
// leaves it, but not reliably when a window is covered or the mouse leaves fast through a gap; the
// 100 ms check against the widget under the cursor makes sure that only one button shows the
// hover look and that the look ends at most 100 ms after the mouse has gone.

#include <QPointer>
#include <QTimer>

namespace veyrin {

class TFlatSpeedButton;

class SpeedButtonHoverTracker {
public:
    static constexpr int kCheckPeriodMs = 100;

    // Lifetime: the timer exists from the first speed button's creation to the last one's end.
    static void attach();
    static void detach();

    // A mouse move over a button that is the widget under the cursor.
    static void mouseMovedOver(TFlatSpeedButton* button);
    // The button is destroyed or disabled: it stops being tracked.
    static void forget(TFlatSpeedButton* button);
    static TFlatSpeedButton* tracked();
    static bool isRunning();

private:
    SpeedButtonHoverTracker();
    void check();

    static SpeedButtonHoverTracker* instance_;
    static int users_;
    QTimer timer_;
    QPointer<TFlatSpeedButton> tracked_;
};

}  // namespace veyrin

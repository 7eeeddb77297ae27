#include "controls/ui/timer_speed_button.h"

#include <QMouseEvent>

#include "controls/model/spin_value_rules.h"

namespace veyrin {

TTimerSpeedButton::TTimerSpeedButton(QWidget* parent) : TFlatSpeedButton(parent) {
    // Precise, so a held arrow steps at 400, 500, 600 ms and not a few milliseconds late each time.
    repeatTimer_.setTimerType(Qt::PreciseTimer);
    connect(&repeatTimer_, &QTimer::timeout, this, &TTimerSpeedButton::repeatClick);
}

void TTimerSpeedButton::mousePressEvent(QMouseEvent* event) {
    TFlatSpeedButton::mousePressEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled()) repeatTimer_.start(kSpinFirstRepeatMs);
}

void TTimerSpeedButton::mouseReleaseEvent(QMouseEvent* event) {
    repeatTimer_.stop();
    TFlatSpeedButton::mouseReleaseEvent(event);
}

void TTimerSpeedButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange && !isEnabled()) repeatTimer_.stop();
    TFlatSpeedButton::changeEvent(event);
}

void TTimerSpeedButton::repeatClick() {
    repeatTimer_.setInterval(kSpinRepeatPeriodMs);
    if (state() != SpeedButtonState::Pressed || !isDragging()) return;
    try {
        click();
    } catch (...) {
        repeatTimer_.stop();
        throw;
    }
}

}  // namespace veyrin

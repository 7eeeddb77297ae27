#include "controls/ui/speed_button_hover_tracker.h"

#include <QApplication>
#include <QCursor>

#include "controls/ui/flat_speed_button.h"

namespace veyrin {

SpeedButtonHoverTracker* SpeedButtonHoverTracker::instance_ = nullptr;
int SpeedButtonHoverTracker::users_ = 0;

SpeedButtonHoverTracker::SpeedButtonHoverTracker() {
    timer_.setInterval(kCheckPeriodMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] { check(); });
}

void SpeedButtonHoverTracker::attach() {
    if (users_++ == 0) instance_ = new SpeedButtonHoverTracker;
}

void SpeedButtonHoverTracker::detach() {
    if (--users_ == 0) {
        delete instance_;
        instance_ = nullptr;
    }
}

void SpeedButtonHoverTracker::mouseMovedOver(TFlatSpeedButton* button) {
    if (instance_ == nullptr || instance_->tracked_ == button) return;
    if (instance_->tracked_) instance_->tracked_->setHoverLook(false);
    instance_->tracked_ = nullptr;
    if (QApplication::activeWindow() == nullptr) return;
    instance_->timer_.stop();
    instance_->tracked_ = button;
    instance_->timer_.start();
    if (button->isEnabled()) button->setHoverLook(true);
}

void SpeedButtonHoverTracker::forget(TFlatSpeedButton* button) {
    if (instance_ == nullptr || instance_->tracked_ != button) return;
    instance_->timer_.stop();
    instance_->tracked_ = nullptr;
}

TFlatSpeedButton* SpeedButtonHoverTracker::tracked() { return instance_ ? instance_->tracked_.data() : nullptr; }

bool SpeedButtonHoverTracker::isRunning() { return instance_ && instance_->timer_.isActive(); }

void SpeedButtonHoverTracker::check() {
    TFlatSpeedButton* button = tracked_;
    if (button == nullptr) {
        timer_.stop();
        return;
    }
    if (QApplication::widgetAt(QCursor::pos()) == button) return;
    // A held button keeps its look until the release decides.
    if (button->dragging_) return;
    timer_.stop();
    tracked_ = nullptr;
    if (button->isEnabled() && button->mouseInside_) button->setHoverLook(false);
}

}  // namespace veyrin

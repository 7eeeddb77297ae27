#pragma once
// A speed button that clicks again and again while it is held: the spin edit's arrows.

#include <QTimer>

#include "controls/ui/flat_speed_button.h"

namespace veyrin {

class TTimerSpeedButton : public TFlatSpeedButton {
    Q_OBJECT
public:
    explicit TTimerSpeedButton(QWidget* parent = nullptr);

    bool isRepeating() const { return repeatTimer_.isActive(); }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void repeatClick();

    QTimer repeatTimer_;
};

}  // namespace veyrin

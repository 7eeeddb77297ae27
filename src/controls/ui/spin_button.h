#pragma once
// The pair of small arrow buttons inside the spin edit: up on the left, down on the right, each
// repeating while held.

#include <QPointer>
#include <QWidget>

#include "controls/ui/timer_speed_button.h"

namespace veyrin {

class TSpinButton : public QWidget {
    Q_OBJECT
public:
    explicit TSpinButton(QWidget* parent = nullptr);

    TTimerSpeedButton* upButton() const { return up_; }
    TTimerSpeedButton* downButton() const { return down_; }

    void setUpGlyph(const QImage& glyph) { up_->setGlyph(glyph); }
    void setDownGlyph(const QImage& glyph) { down_->setGlyph(glyph); }
    void setUpNumGlyphs(int count) { up_->setNumGlyphs(count); }
    void setDownNumGlyphs(int count) { down_->setNumGlyphs(count); }

    // The control that takes the keyboard focus when an arrow is pressed.
    QWidget* focusControl() const { return focusControl_; }
    void setFocusControl(QWidget* control) { focusControl_ = control; }

    TTimerSpeedButton* focusedButton() const { return focusedButton_; }

signals:
    void upClicked();    // OnUpClick
    void downClicked();  // OnDownClick

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrowPressed(TTimerSpeedButton* button);

    TTimerSpeedButton* up_;
    TTimerSpeedButton* down_;
    TTimerSpeedButton* focusedButton_;
    QPointer<QWidget> focusControl_;
};

}  // namespace veyrin

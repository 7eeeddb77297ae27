#include "controls/ui/spin_button.h"

#include "controls/model/spin_value_rules.h"
#include "controls/ui/density_picture.h"

namespace veyrin {
namespace {

TFlatSpeedButton::GlyphSource arrowGlyph(const char* resource) {
    return [resource](int density) { return densityImage(QString::fromLatin1(resource), density); };
}

}  // namespace

TSpinButton::TSpinButton(QWidget* parent)
    : QWidget(parent), up_(new TTimerSpeedButton(this)), down_(new TTimerSpeedButton(this)), focusedButton_(up_) {
    setFocusPolicy(Qt::NoFocus);
    up_->setGlyphSource(arrowGlyph(":/pictures/flatup.bmp"));
    up_->setGlyphLayout(TButtonLayout::blGlyphTop);
    up_->setMargin(2);
    down_->setGlyphSource(arrowGlyph(":/pictures/flatdown.bmp"));
    down_->setGlyphLayout(TButtonLayout::blGlyphBottom);
    down_->setMargin(2);
    for (TTimerSpeedButton* button : {up_, down_}) {
        connect(button, &TFlatSpeedButton::mousePressed, this, [this, button](Qt::MouseButton which, QPoint) {
            if (which == Qt::LeftButton) arrowPressed(button);
        });
    }
    connect(up_, &TFlatSpeedButton::clicked, this, &TSpinButton::upClicked);
    connect(down_, &TFlatSpeedButton::clicked, this, &TSpinButton::downClicked);
    resize(kSpinArrowPairWidth, 10);
}

void TSpinButton::arrowPressed(TTimerSpeedButton* button) {
    focusedButton_ = button;
    QWidget* target = focusControl_;
    if (target != nullptr && target->focusPolicy() & Qt::TabFocus && target->isEnabled() && target->isVisible() &&
        !target->hasFocus()) {
        target->setFocus(Qt::MouseFocusReason);
    }
}

void TSpinButton::resizeEvent(QResizeEvent*) {
    up_->setGeometry(0, 0, kSpinArrowButtonWidth, height());
    down_->setGeometry(kSpinDownButtonLeft, 0, kSpinArrowButtonWidth, height());
}

}  // namespace veyrin

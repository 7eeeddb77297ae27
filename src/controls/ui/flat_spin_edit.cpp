#include "controls/ui/flat_spin_edit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>

#include "controls/model/color_shading.h"
#include "controls/ui/accessible_controls.h"
#include "controls/ui/pixel_lines.h"
#include "controls/ui/control_beep.h"
#include "controls/ui/parent_color.h"
#include "controls/ui/spin_button.h"
#include "platform/ui/gbk_qt.h"
#include "platform/ui/qt_color.h"

namespace veyrin {

// The edit box inside the frame. It hands keys, typed text and focus changes to its spin edit
// first, so the character filter and the step keys apply however the keys arrive.
class FlatSpinTextField : public QLineEdit {
public:
    explicit FlatSpinTextField(TFlatSpinEditInteger* owner) : QLineEdit(owner), owner_(owner) {
        setFrame(false);
        setAcceptDrops(false);
        setAutoFillBackground(true);
    }

    // Set while a key this field did not want travels on to the spin edit itself.
    bool keyPropagating = false;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        keyPropagating = false;
        if (owner_->filterKeyPress(event)) return;
        QLineEdit::keyPressEvent(event);
        keyPropagating = !event->isAccepted();
    }
    void inputMethodEvent(QInputMethodEvent* event) override {
        if (!event->commitString().isEmpty() && !owner_->acceptsText(event->commitString(), owner_->editorEnabled())) {
            controlBeep();
            event->accept();
            return;
        }
        QLineEdit::inputMethodEvent(event);
    }
    void focusInEvent(QFocusEvent* event) override {
        QLineEdit::focusInEvent(event);
        owner_->entered(event->reason());
    }
    void focusOutEvent(QFocusEvent* event) override {
        QLineEdit::focusOutEvent(event);
        owner_->left(event->reason());
    }

private:
    TFlatSpinEditInteger* owner_;
};

namespace {

// QLineEdit keeps two pixels between its edge and the text; the frame already provides the gap.
constexpr int kLineEditInnerMargin = 2;

// Focus that comes and goes with the window's activation or a popup is not the user entering or
// leaving the field.
bool isWindowFocusChange(Qt::FocusReason reason) {
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

bool isShortcutChord(const QKeyEvent* event) {
    return event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

char32_t decimalSeparator() {
    QString separator = QLocale().decimalPoint();
    return separator.isEmpty() ? U'.' : separator.at(0).unicode();
}

}  // namespace

TFlatSpinEditInteger::TFlatSpinEditInteger(QWidget* parent)
    : QWidget(parent), field_(new FlatSpinTextField(this)), arrows_(new TSpinButton(this)) {
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(field_);
    shownText_ = QStringLiteral("0");
    field_->setText(shownText_);
    connect(field_, &QLineEdit::textChanged, this, &TFlatSpinEditInteger::textEdited);
    arrows_->setFocusControl(this);
    connect(arrows_, &TSpinButton::upClicked, this, &TFlatSpinEditInteger::stepUp);
    connect(arrows_, &TSpinButton::downClicked, this, &TFlatSpinEditInteger::stepDown);
    if (parentColor_) colorFlat_ = parentBackgroundColor(this, colorFlat_);
    resize(121, height());
    applyHeightRule();
    refreshLook();
}

TFlatSpinEditInteger::~TFlatSpinEditInteger() = default;

QLineEdit* TFlatSpinEditInteger::editor() const { return field_; }

int TFlatSpinEditInteger::value() const { return spinValueFromText(qStringToGbk(field_->text()), limits_); }

void TFlatSpinEditInteger::setValue(int value) { setText(std::to_string(limitSpinValue(value, limits_))); }

std::string TFlatSpinEditInteger::text() const { return qStringToGbk(field_->text()); }

void TFlatSpinEditInteger::setText(const std::string& gbkText) {
    QString text = gbkToQString(gbkText);
    if (text == field_->text()) return;
    field_->setText(text);
}

void TFlatSpinEditInteger::textEdited() {
    QString text = field_->text();
    if (text == shownText_) return;
    shownText_ = text;
    notifyAccessibleValue(this, value());
    emit changed();
}

void TFlatSpinEditInteger::setMinValue(int value) { limits_.minValue = value; }
void TFlatSpinEditInteger::setMaxValue(int value) { limits_.maxValue = value; }

void TFlatSpinEditInteger::setEditorEnabled(bool on) {
    editorEnabled_ = on;
    refreshEditorReadOnly();
}

void TFlatSpinEditInteger::setReadOnly(bool on) {
    readOnly_ = on;
    refreshEditorReadOnly();
}

void TFlatSpinEditInteger::refreshEditorReadOnly() { field_->setReadOnly(readOnly_ || !editorEnabled_); }

void TFlatSpinEditInteger::stepUp() {
    if (readOnly_) {
        controlBeep();
        return;
    }
    setValue(steppedSpinValue(value(), increment_, limits_));
}

void TFlatSpinEditInteger::stepDown() {
    if (readOnly_) {
        controlBeep();
        return;
    }
    setValue(steppedSpinValue(value(), -increment_, limits_));
}

bool TFlatSpinEditInteger::acceptsText(const QString& typed, bool editorOn) const {
    const char32_t separator = decimalSeparator();
    for (char32_t code : typed.toUcs4()) {
        if (!spinAcceptsChar(code, editorOn, separator)) return false;
    }
    return true;
}

bool TFlatSpinEditInteger::filterKeyPress(QKeyEvent* event) {
    if (event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) {
        event->key() == Qt::Key_Up ? stepUp() : stepDown();
        event->accept();
        return true;
    }
    if ((event->matches(QKeySequence::Cut) || event->matches(QKeySequence::Paste)) &&
        !(editorEnabled_ && !readOnly_)) {
        event->accept();
        return true;
    }
    if (event->key() == Qt::Key_Delete && !editorEnabled_) {
        controlBeep();
        event->accept();
        return true;
    }
    if (isShortcutChord(event) || event->key() == Qt::Key_Delete) return false;
    QString typed = event->text();
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) typed = QStringLiteral("\r");
    if (typed.isEmpty() || acceptsText(typed, editorEnabled_)) return false;
    controlBeep();
    event->accept();
    return true;
}

void TFlatSpinEditInteger::keyPressEvent(QKeyEvent* event) {
    // Keys sent to the spin edit itself go to its field; keys the field passed up go on up.
    if (field_->keyPropagating || forwardingKey_) {
        field_->keyPropagating = false;
        event->ignore();
        return;
    }
    forwardingKey_ = true;
    QApplication::sendEvent(field_, event);
    forwardingKey_ = false;
}

void TFlatSpinEditInteger::entered(Qt::FocusReason reason) {
    refreshLook();
    if (reason == Qt::MouseFocusReason || isWindowFocusChange(reason)) return;
    if (autoSelect_) {
        field_->selectAll();
    } else {
        field_->deselect();
    }
}

void TFlatSpinEditInteger::left(Qt::FocusReason reason) {
    refreshLook();
    if (isWindowFocusChange(reason)) return;
    int typed = value();
    if (limitSpinValue(typed, limits_) != typed) setValue(typed);
}

bool TFlatSpinEditInteger::showsActiveLook() const { return field_->hasFocus() || hover_; }

TColor TFlatSpinEditInteger::currentBackground() const { return showsActiveLook() ? colorFocused_ : colorFlat_; }

void TFlatSpinEditInteger::refreshLook() {
    QPalette palette = field_->palette();
    const QColor background = toQColor(currentBackground());
    palette.setColor(QPalette::Base, background);
    palette.setColor(QPalette::Window, background);
    field_->setPalette(palette);
    update();
}

void TFlatSpinEditInteger::setColorValue(TColor& slot, TColor color) {
    if (slot == color) return;
    slot = color;
    refreshLook();
}

void TFlatSpinEditInteger::setColorFlat(TColor color) {
    parentColor_ = false;
    setColorValue(colorFlat_, color);
    if (useAdvColors_) refreshAdvColors();
}
void TFlatSpinEditInteger::setColorFocused(TColor color) { setColorValue(colorFocused_, color); }
void TFlatSpinEditInteger::setColorBorder(TColor color) { setColorValue(colorBorder_, color); }

void TFlatSpinEditInteger::setParentColor(bool on) {
    if (parentColor_ == on) return;
    parentColor_ = on;
    if (on) {
        colorFlat_ = parentBackgroundColor(this, colorFlat_);
        if (useAdvColors_) refreshAdvColors();
        refreshLook();
    }
}

void TFlatSpinEditInteger::setAdvColorFocused(int percent) {
    if (advColorFocused_ == percent || percent < 0 || percent > 100) return;
    advColorFocused_ = percent;
    if (useAdvColors_) refreshAdvColors();
}

void TFlatSpinEditInteger::setAdvColorBorder(int percent) {
    if (advColorBorder_ == percent || percent < 0 || percent > 100) return;
    advColorBorder_ = percent;
    if (useAdvColors_) refreshAdvColors();
}

void TFlatSpinEditInteger::setUseAdvColors(bool on) {
    if (useAdvColors_ == on) return;
    useAdvColors_ = on;
    if (on) {
        setParentColor(true);
        refreshAdvColors();
    }
}

void TFlatSpinEditInteger::refreshAdvColors() {
    colorFocused_ = lighterShade(colorFlat_, advColorFocused_);
    colorBorder_ = darkerShade(colorFlat_, advColorBorder_);
    refreshLook();
}

int TFlatSpinEditInteger::textMetricHeight() const { return QFontMetrics(font()).height(); }

void TFlatSpinEditInteger::applyHeightRule() { resize(width(), flatEditHeightForText(textMetricHeight())); }

void TFlatSpinEditInteger::placeChildren() {
    const SpinClientGeometry geometry = spinClientGeometry(width(), height());
    const int frame = kFlatEditFrameWidth;
    const int arrowX = frame + geometry.arrowLeft;
    arrows_->setGeometry(arrowX, frame, kSpinArrowPairWidth, geometry.arrowHeight);
    // Like any child, the pair is clipped to the client area, which ends inside the frame.
    const int visibleWidth = std::clamp(width() - frame - arrowX, 0, kSpinArrowPairWidth);
    arrows_->setMask(QRegion(0, 0, visibleWidth, geometry.arrowHeight));
    field_->setGeometry(frame - kLineEditInnerMargin, frame, std::max(0, geometry.textWidth + kLineEditInnerMargin),
                        geometry.arrowHeight);
}

void TFlatSpinEditInteger::resizeEvent(QResizeEvent*) {
    const int minimum = spinEditMinimumHeight(textMetricHeight());
    if (height() < minimum) resize(width(), minimum);
    placeChildren();
}

void TFlatSpinEditInteger::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
        case QEvent::FontChange:
            applyHeightRule();
            break;
        case QEvent::EnabledChange:
            refreshLook();
            break;
        case QEvent::ParentChange:
        case QEvent::PaletteChange:
            if (parentColor_) {
                colorFlat_ = parentBackgroundColor(this, colorFlat_);
                if (useAdvColors_) refreshAdvColors();
                refreshLook();
            }
            break;
        default:
            break;
    }
}

void TFlatSpinEditInteger::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    if (QApplication::activeWindow() == nullptr) return;
    hover_ = true;
    refreshLook();
}

void TFlatSpinEditInteger::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    hover_ = false;
    refreshLook();
}

void TFlatSpinEditInteger::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), toQColor(currentBackground()));
    drawPixelFrame(painter, rect(), toQColor(colorBorder_));
}

}  // namespace veyrin

#pragma once
// The themed check box: a box picture from the theme beside a one-line caption. Its click signal
// is its own event: it fires when the checked state changes, whether the user or the program
// changed it, and never while the window is still being put together.

#include <QWidget>

#include "controls/model/ui_style.h"
#include "controls/ui/accelerator.h"
#include "platform/model/color.h"

namespace veyrin {

enum class TCheckBoxState { cbUnchecked, cbChecked, cbGrayed };

class TsuiCheckBox : public QWidget {
    Q_OBJECT
public:
    explicit TsuiCheckBox(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    bool checked() const { return m_checked; }
    // A change repaints and then runs the control's own reaction (the click signal for a check box).
    void setChecked(bool checked);
    // Sets the state as the window's design does: the same reaction, but no click signal.
    void setCheckedSilently(bool checked);

    TCheckBoxState state() const { return m_checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked; }
    // No third state is kept: cbGrayed unchecks.
    void setState(TCheckBoxState state) { setChecked(state == TCheckBoxState::cbChecked); }

    TsuiUIStyle uiStyle() const { return m_style; }
    void setUIStyle(TsuiUIStyle style);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    // The fill behind box and caption; until set, the parent's background colour is used.
    TColor color() const;
    void setColor(TColor color);

    bool tabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop);

    // While loading, the click signal is held back (the rest of a state change still happens).
    bool isLoading() const { return m_loading; }
    void setLoading(bool loading) { m_loading = loading; }

    // The user's click: takes the focus when it can, then toggles.
    void click();

    QSize sizeHint() const override;

signals:
    void clicked();

protected:
    virtual bool pictureTransparent() const { return false; }
    virtual int picturePosition() const;
    virtual void checkedChanged();
    virtual void toggle();
    virtual bool keysClick() const { return true; }
    bool hasFocusMark() const { return tabStop() && hasFocus(); }
    void fireClick();

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    bool isClickKey(int key) const;
    QImage boxPicture() const;
    QSize pictureSize() const;
    void applyAutoSize();

    QString m_caption;
    bool m_checked = false;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    bool m_autoSize = true;
    bool m_transparent = false;
    bool m_ownColor = false;
    TColor m_color = clBtnFace;
    bool m_loading = false;
    bool m_mouseDown = false;
    Accelerator m_accelerator;
};

}  // namespace veyrin

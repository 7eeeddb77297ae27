#pragma once
// The themed push button: a three-state skin of its theme laid over the button by nine-patch
// drawing, with an optional glyph, a focus look that depends on the style and a repeat signal
// while the mouse holds it down.

#include <QImage>
#include <QWidget>

#include "controls/model/button_layout.h"
#include "controls/model/ui_style.h"
#include "controls/ui/accelerator.h"
#include "platform/model/color.h"

class QTimer;

namespace veyrin {

class TsuiButton : public QWidget {
    Q_OBJECT
public:
    explicit TsuiButton(QWidget* parent = nullptr);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    TsuiUIStyle uiStyle() const { return m_style; }
    // Also takes the style's see-through setting; set Transparent afterwards to override it.
    void setUIStyle(TsuiUIStyle style);

    bool transparent() const { return m_transparent; }
    void setTransparent(bool transparent);

    bool autoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);

    QImage glyph() const { return m_glyph; }
    void setGlyph(const QImage& glyph);

    TButtonLayout glyphLayout() const { return m_layout; }
    void setGlyphLayout(TButtonLayout layout);

    int spacing() const { return m_spacing; }
    void setSpacing(int spacing);

    int focusedRectMargin() const { return m_focusedRectMargin; }
    void setFocusedRectMargin(int margin);

    int mouseContinuouslyDownInterval() const { return m_repeatInterval; }
    void setMouseContinuouslyDownInterval(int ms) { m_repeatInterval = ms; }

    // Non-zero ends a QDialog that owns the button with this result when the button is clicked.
    int modalResult() const { return m_modalResult; }
    void setModalResult(int result) { m_modalResult = result; }

    // Enter (Default) or Escape (Cancel) reaching the window clicks the button.
    bool isDefault() const { return m_default; }
    void setDefault(bool isDefault);
    bool isCancel() const { return m_cancel; }
    void setCancel(bool isCancel);

    // The fill behind the skin when the button is not see-through.
    TColor color() const { return m_color; }
    void setColor(TColor color);

    bool tabStop() const { return focusPolicy() != Qt::NoFocus; }
    void setTabStop(bool tabStop);

    bool isHot() const { return m_hot; }
    bool isPressed() const { return m_pressed; }

    // Runs the click as the program's own call: ends a press, copies ModalResult, emits clicked().
    // It leaves the focus where it is; the mouse, the keyboard and the accelerator also take it.
    void click();

    QSize sizeHint() const override { return {80, 27}; }

signals:
    void clicked();
    void mouseEntered();
    void mouseExited();
    // Every MouseContinuouslyDownInterval ms while the left button holds the button down.
    void mouseContinuouslyDown();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void userClick();
    void startRepeat();
    void stopRepeat();
    void applyAutoSize();
    void watchWindowKeys();
    QImage skinFrame() const;
    void paintSkin(QPainter& p) const;
    void paintFocus(QPainter& p, bool& boldCaption) const;
    void paintCaption(QPainter& p, bool boldCaption) const;
    QImage glyphPicture() const;
    GlyphPlacement glyphPlacement(QSize picture) const;

    QString m_caption;
    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    bool m_transparent = false;
    bool m_autoSize = false;
    QImage m_glyph;
    TButtonLayout m_layout = TButtonLayout::blGlyphLeft;
    int m_spacing = 4;
    int m_focusedRectMargin = 2;
    int m_repeatInterval = 100;
    int m_modalResult = 0;
    bool m_default = false;
    bool m_cancel = false;
    TColor m_color = clBtnFace;
    bool m_hot = false;
    bool m_pressed = false;
    QTimer* m_repeatTimer = nullptr;
    QWidget* m_watchedWindow = nullptr;
    Accelerator m_accelerator;
};

}  // namespace veyrin

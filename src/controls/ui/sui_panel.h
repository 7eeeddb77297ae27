#pragma once
// The themed collapsible panel: a container with a title strip of its theme and, at the strip's
// right end, a fold button that folds the panel to its strip and back in 15-pixel steps.
//
// Children go in the content rectangle (contentsRect(): 24 pixels below the top with the MacOS
// strip, 4 in from the sides and the bottom); a layout set on the panel uses it.

#include <QImage>
#include <QWidget>

#include "controls/model/ui_style.h"
#include "platform/model/color.h"

namespace veyrin {

// How the owner places the panel; a panel placed at the left, right or filling its parent does
// not fold.
enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

class TsuiPanel : public QWidget {
    Q_OBJECT
public:
    explicit TsuiPanel(QWidget* parent = nullptr);

    TsuiUIStyle uiStyle() const { return m_style; }
    // Resets Color to white, BorderColor and CaptionFontColor to the style's (black caption for
    // MacOS) and takes the style's title strip; set colours afterwards to override them.
    void setUIStyle(TsuiUIStyle style);

    TColor borderColor() const { return m_borderColor; }
    void setBorderColor(TColor color);
    TColor captionFontColor() const { return m_captionFontColor; }
    void setCaptionFontColor(TColor color);
    TColor color() const { return m_color; }
    void setColor(TColor color);

    bool showButton() const { return m_showButton; }
    void setShowButton(bool show);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);

    TAlign align() const { return m_align; }
    void setAlign(TAlign align);

    // The expanded height; the real height follows only while the panel is expanded.
    int panelHeight() const { return m_expandedHeight; }
    void setPanelHeight(int height);

    bool isExpanded() const { return m_expanded; }
    bool isAnimating() const { return m_animating; }
    bool isButtonHot() const { return m_buttonHot; }
    int stripHeight() const { return m_strip.height(); }

    // Fold to the title strip / unfold to the expanded height, showing each 15-pixel step and
    // letting pending events run between steps. collapse() throws AppError("Can't push when Align
    // is alClient, alLeft or alRight.") for those alignments.
    void collapse();
    void expand();

signals:
    void pushed();  // after folding
    void popped();  // after unfolding

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool buttonAvailable() const;
    bool foldable() const;
    void setHotFrom(QPoint at);
    void applyHeight(int height);
    void showStep(int height);

    TsuiUIStyle m_style = TsuiUIStyle::DeepBlue;
    QImage m_strip;
    TColor m_borderColor = 0;
    TColor m_captionFontColor = 0;
    TColor m_color = clWhite;
    bool m_showButton = true;
    QString m_caption;
    TAlign m_align = TAlign::alNone;
    int m_expandedHeight = 100;
    bool m_expanded = true;
    bool m_buttonHot = false;
    bool m_animating = false;
};

}  // namespace veyrin

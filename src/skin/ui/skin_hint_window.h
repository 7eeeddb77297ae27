#pragma once
// The window every hint of the program shows in: tool-tips, the frame's caption-button hints and
// the text view's scroll hint. Its look comes from the application's active hint component: the
// skin's hint picture composed to the text's size, or a plain tool-tip box when there is no skin.

#include <QFont>
#include <QImage>
#include <QString>
#include <QWidget>

#include "platform/model/color.h"
#include "skin/model/hint_layout.h"

namespace veyrin {

class TbsSkinData;

class TbsSkinHintWindow : public QWidget {
    Q_OBJECT
public:
    explicit TbsSkinHintWindow(QWidget* parent = nullptr);

    // Takes the current look, sizes itself for `text` and shows with its top-left corner at
    // `at` (global), or beside it where it would cross the screen's right or bottom edge.
    void activateHint(QPoint at, const QString& text);
    // The size `text` needs in the current look.
    QSize calcHintSize(const QString& text);

    // Background of the plain look.
    void setColor(TColor color);
    TColor color() const { return color_; }

    QString text() const { return text_; }
    bool isSkinned() const { return skin_ != nullptr; }
    QFont hintFont() const { return font_; }
    QRect scaledClientRect() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void takeCurrentLook();
    void applyShapeAndOpacity();
    void paintSkinned(class QPainter& painter);
    void paintPlain(class QPainter& painter);

    const TbsSkinData* skin_ = nullptr;  // the skin of the current hint; null draws plain
    QImage picture_;
    CompositionSource source_;
    HintGeometry geometry_;
    QFont font_;
    TColor textColor_ = clInfoText;
    TColor color_ = clInfoBk;
    QString text_;
};

}  // namespace veyrin

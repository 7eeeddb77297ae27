#pragma once
// The flat picture button of the main window's button row and of the spin edit's arrows. It never
// takes the keyboard focus; a thin border at rest, a raised frame under the mouse, a sunken one
// while pressed or latched. Only one speed button at a time shows the hover look (see
// SpeedButtonHoverTracker).

#include <QImage>
#include <QWidget>

#include <functional>
#include <string>

#include "controls/model/speed_button_layout.h"
#include "controls/model/speed_button_look.h"
#include "platform/model/color.h"

namespace veyrin {

class TFlatSpeedButton : public QWidget {
    Q_OBJECT
public:
    explicit TFlatSpeedButton(QWidget* parent = nullptr);
    ~TFlatSpeedButton() override;

    // Caption in GBK; '&' marks the accelerator letter.
    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& gbkCaption);

    // A strip of numGlyphs() equal pictures side by side: up, disabled, pressed, latched. Setting a
    // strip whose width is a multiple of its height takes width div height pictures (1 above 4).
    // A strip set here stands at every density (it drops a glyph source).
    const QImage& glyph() const { return glyph_; }
    void setGlyph(const QImage& strip);
    int numGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count);  // 1..4

    // Where the strip comes from when it is drawn for each screen density (1, 2, 3): the button
    // takes it for the density of its screen now, and again when it comes to a screen of another.
    using GlyphSource = std::function<QImage(int density)>;
    void setGlyphSource(GlyphSource source);

    TButtonLayout glyphLayout() const { return layout_; }
    void setGlyphLayout(TButtonLayout layout);
    int margin() const { return margin_; }
    void setMargin(int margin);  // values below -1 are refused
    int spacing() const { return spacing_; }
    void setSpacing(int spacing);

    TColor color() const { return colors_.color; }
    void setColor(TColor color);  // clears ParentColor
    TColor colorFocused() const { return colors_.colorFocused; }
    void setColorFocused(TColor color);
    TColor colorDown() const { return colors_.colorDown; }
    void setColorDown(TColor color);
    TColor colorBorder() const { return colors_.colorBorder; }
    void setColorBorder(TColor color);
    TColor colorHighLight() const { return colors_.colorHighLight; }
    void setColorHighLight(TColor color);
    TColor colorShadow() const { return colors_.colorShadow; }
    void setColorShadow(TColor color);
    TColor fontColor() const { return fontColor_; }
    void setFontColor(TColor color);
    bool parentColor() const { return parentColor_; }
    void setParentColor(bool on);

    int advColorFocused() const { return advColorFocused_; }
    void setAdvColorFocused(int percent);
    int advColorDown() const { return advColorDown_; }
    void setAdvColorDown(int percent);
    int advColorBorder() const { return advColorBorder_; }
    void setAdvColorBorder(int percent);
    bool useAdvColors() const { return useAdvColors_; }
    void setUseAdvColors(bool on);

    TTransparentMode transparentMode() const { return transparentMode_; }
    void setTransparentMode(TTransparentMode mode);

    int groupIndex() const { return groupIndex_; }
    void setGroupIndex(int index);
    bool isDown() const { return down_; }
    void setDown(bool down);
    bool allowAllUp() const { return allowAllUp_; }
    void setAllowAllUp(bool allow);

    // Copied to the owning dialog on click; non-zero closes a modal dialog with that result.
    int modalResult() const { return modalResult_; }
    void setModalResult(int result) { modalResult_ = result; }

    SpeedButtonState state() const { return state_; }
    bool showsHoverLook() const { return mouseInside_; }
    SpeedButtonLayout currentLayout() const;

    // Clicks the button as a user would: modal result first, then clicked().
    void click();

signals:
    void clicked();        // OnClick
    void doubleClicked();  // OnDblClick, only while latched
    void mousePressed(Qt::MouseButton button, QPoint pos);   // OnMouseDown
    void mouseMoved(QPoint pos);                             // OnMouseMove
    void mouseReleased(Qt::MouseButton button, QPoint pos);  // OnMouseUp
    void mouseEntered();  // OnMouseEnter
    void mouseLeft();     // OnMouseLeave

protected:
    bool isDragging() const { return dragging_; }

    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    friend class SpeedButtonHoverTracker;

    void setHoverLook(bool inside);
    void reevaluateHover();
    void releaseFromGroup(int groupIndex, const TFlatSpeedButton* sender);
    void broadcastToGroup();
    void refreshAdvColors();
    void refreshAccelerator();
    void setColorValue(TColor& slot, TColor color);
    QImage pictureForState(SpeedButtonState state) const;
    void useStrip(const QImage& strip);
    void takeGlyphForScreenDensity();
    void paintBorder(QPainter& painter, SpeedButtonBorder border) const;

    std::string caption_;
    QImage glyph_;
    GlyphSource glyphSource_;
    int glyphDensity_ = 0;  // the density glyph_ was taken for from glyphSource_
    int numGlyphs_ = 1;
    TButtonLayout layout_ = TButtonLayout::blGlyphTop;
    int margin_ = -1;
    int spacing_ = 4;
    SpeedButtonColors colors_;
    TColor fontColor_ = clWindowText;
    bool parentColor_ = true;
    int advColorFocused_ = 10;
    int advColorDown_ = 10;
    int advColorBorder_ = 50;
    bool useAdvColors_ = false;
    TTransparentMode transparentMode_ = TTransparentMode::tmNone;
    int groupIndex_ = 0;
    bool down_ = false;
    bool allowAllUp_ = false;
    int modalResult_ = 0;
    int acceleratorId_ = 0;

    SpeedButtonState state_ = SpeedButtonState::Up;
    bool mouseInside_ = false;
    bool dragging_ = false;
};

}  // namespace veyrin

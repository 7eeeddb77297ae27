#include "controls/ui/sui_panel.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>

#include "controls/model/panel_fold.h"
#include "controls/model/theme_table.h"
#include "controls/ui/density_picture.h"
#include "controls/ui/pixel_lines.h"
#include "controls/ui/theme_drawing.h"
#include "platform/model/app_error.h"
#include "platform/ui/qt_color.h"

namespace veyrin {

namespace {
constexpr int kFoldButtonFrames = 4;
QRect toQRect(const PixelRect& r) { return QRect(r.left, r.top, r.width(), r.height()); }
}  // namespace

TsuiPanel::TsuiPanel(QWidget* parent) : QWidget(parent) {
    resize(100, 100);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setUIStyle(m_style);
}

void TsuiPanel::setUIStyle(TsuiUIStyle style) {
    m_style = style;
    m_color = clWhite;
    m_strip = loadThemeBitmap(style, themepos::TitleStrip);
    m_borderColor = themeColor(style, themepos::BorderColour);
    m_captionFontColor = style == TsuiUIStyle::MacOS ? clBlack : themeColor(style, themepos::CaptionFontColour);
    const Margins m = panelContentMargins(m_strip.height());
    setContentsMargins(m.left, m.top, m.right, m.bottom);
    update();
}

void TsuiPanel::setBorderColor(TColor color) {
    m_borderColor = color;
    update();
}

void TsuiPanel::setCaptionFontColor(TColor color) {
    m_captionFontColor = color;
    update();
}

void TsuiPanel::setColor(TColor color) {
    m_color = color;
    update();
}

void TsuiPanel::setShowButton(bool show) {
    m_showButton = show;
    update();
}

void TsuiPanel::setCaption(const QString& caption) {
    m_caption = caption;
    update();
}

void TsuiPanel::setAlign(TAlign align) {
    m_align = align;
    update();
}

void TsuiPanel::setPanelHeight(int height) {
    m_expandedHeight = height;
    if (m_expanded) applyHeight(height);
}

bool TsuiPanel::foldable() const {
    return m_align != TAlign::alClient && m_align != TAlign::alLeft && m_align != TAlign::alRight;
}

bool TsuiPanel::buttonAvailable() const { return m_showButton && foldable(); }

void TsuiPanel::applyHeight(int height) {
    // A panel along the top or bottom keeps its height inside a layout as well.
    if (foldable())
        setFixedHeight(height);
    else
        resize(width(), height);
}

void TsuiPanel::showStep(int height) {
    applyHeight(height);
    repaint();
    QCoreApplication::processEvents();
}

void TsuiPanel::collapse() {
    if (!foldable()) throw AppError("Can't push when Align is alClient, alLeft or alRight.");
    const int target = foldedPanelHeight(m_strip.height());
    m_animating = true;
    for (int step : foldSteps(height(), target)) showStep(step);
    applyHeight(target);
    repaint();
    m_animating = false;
    m_expanded = false;
    update();
    emit pushed();
}

void TsuiPanel::expand() {
    m_animating = true;
    for (int step : unfoldSteps(height(), m_expandedHeight)) showStep(step);
    applyHeight(m_expandedHeight);
    repaint();
    m_animating = false;
    m_expanded = true;
    update();
    emit popped();
}

void TsuiPanel::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!m_animating && m_expanded) m_expandedHeight = height();
}

void TsuiPanel::setHotFrom(QPoint at) {
    const bool hot = buttonAvailable() && foldButtonHit(width(), m_strip.height(), at.x(), at.y());
    if (hot == m_buttonHot) return;
    m_buttonHot = hot;
    update();
}

void TsuiPanel::mouseMoveEvent(QMouseEvent* event) {
    if (m_showButton) setHotFrom(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void TsuiPanel::leaveEvent(QEvent* event) {
    setHotFrom(QPoint(-1, -1));
    QWidget::leaveEvent(event);
}

void TsuiPanel::mouseReleaseEvent(QMouseEvent* event) {
    // A click during a running fold would start a second one inside the first.
    if (event->button() == Qt::LeftButton && m_buttonHot && !m_animating) {
        if (m_expanded)
            collapse();
        else
            expand();
    }
    QWidget::mouseReleaseEvent(event);
}

void TsuiPanel::paintEvent(QPaintEvent*) {
    QImage buffer = offscreenBuffer(*this);
    QPainter p(&buffer);
    p.fillRect(rect(), toQColor(m_color));
    drawPixelFrame(p, rect(), toQColor(m_borderColor));

    // m_strip is the 1x picture, whose height is the strip's design height; the picture drawn is
    // the one for this screen.
    const int density = pictureDensity(*this);
    const int strip = m_strip.height();
    if (!m_strip.isNull() && width() > 2)
        p.drawImage(QRect(1, 0, width() - 2, strip), loadThemeBitmap(m_style, themepos::TitleStrip, density));

    p.setFont(font());
    p.setPen(toQColor(m_captionFontColor));
    p.drawText(QRect(10, 0, width() - 1 - 10, strip), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
               m_caption);

    if (buttonAvailable()) {
        QImage button = themeBitmap("PANEL_BUTTON", density);
        if (!button.isNull()) {
            // The chevrons sit on fuchsia so that one picture suits every strip.
            QImage frame = copyFrame(button, kFoldButtonFrames, foldButtonFrame(m_expanded, m_buttonHot));
            p.drawImage(toQRect(foldButtonPictureRect(width(), strip)).topLeft(),
                        withTransparentColor(frame, kThemeTransparentColor));
        }
    }
    p.end();
    QPainter(this).drawImage(0, 0, buffer);
}

}  // namespace veyrin

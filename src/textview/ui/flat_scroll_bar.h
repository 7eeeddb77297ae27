#pragma once
// A thin, flat vertical scroll bar that suits the ruled-paper look: a pale track, a plain grey thumb
// and small arrow squares, drawn without the platform's bevels. Geometry and mouse handling are the
// ordinary scroll bar's.

#include <QScrollBar>

namespace veyrin {

class TSynFlatScrollBar : public QScrollBar {
    Q_OBJECT
public:
    static constexpr int kThickness = 14;

    explicit TSynFlatScrollBar(QWidget* parent = nullptr);

    // Arrows are disabled when all rows fit and the top line is 1.
    void setArrowsEnabled(bool enabled);
    bool arrowsEnabled() const { return arrowsEnabled_; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void paintArrow(class QPainter& painter, const QRect& box, bool up) const;

    bool arrowsEnabled_ = true;
};

}  // namespace veyrin

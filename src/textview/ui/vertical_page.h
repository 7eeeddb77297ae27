#pragma once
// The text view's lines on vertical letter paper: columns top to bottom, right to left, in the
// view's font, colours and line spacing, with column rules where the rows have ruled lines and a
// rule along the top and the foot of the columns, as on a printed letter sheet. It only shows:
// the text stays in the view, and the page reads it again whenever it changes.
//
// Scrolling runs right to left: the first column stands at the right edge, and the scroll bar,
// the wheel and the arrow keys move on towards the left.

#include <QAbstractScrollArea>

#include <vector>

#include "textview/model/vertical_layout.h"

namespace veyrin {

class TSynEditor;

class TSynVerticalPage : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TSynVerticalPage(TSynEditor& source, QWidget* parent = nullptr);

    // Reads the view's lines (as it draws them), font and spacing again and lays them out.
    void relayout();
    // Scrolls so that the column holding the line (0-based) stands at the right.
    void showLine(int line);

    const TVerticalLayout& layout() const { return layout_; }
    // Pixels scrolled towards the left.
    int scrolled() const;
    void setScrolled(int pixels);
    // Top and foot of the columns (the rules along them lie just outside).
    int columnsTop() const;
    int columnsBottom() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::vector<std::vector<TVerticalChar>> decodedLines() const;
    TVerticalGeometry geometryFromView() const;
    void updateScrollRange();
    void scrollBy(int pixels);
    void paintRules(class QPainter& painter, TVerticalLayout::ColumnRange columns) const;
    void paintGlyphs(QPainter& painter, TVerticalLayout::ColumnRange columns) const;
    void drawGlyph(QPainter& painter, const TVerticalGlyph& glyph) const;
    void drawAnnotationBeside(QPainter& painter, const TVerticalGlyph& glyph, const class QString& text) const;

    TSynEditor& source_;
    TVerticalLayout layout_;
};

}  // namespace veyrin

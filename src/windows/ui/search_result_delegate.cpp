#include "windows/ui/search_result_delegate.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

#include "textview/ui/thin_pen.h"
#include "windows/ui/search_look.h"

namespace veyrin {
namespace {

constexpr int kPadding = 4;

struct Column {
    QString text;
    QRect box;
    QColor ink;
};

// Draws `text` left-aligned in `box`, elided at the right; the marked run gets the seal's wash and
// colour. A run cut off by the elision is marked as far as it shows.
void drawColumn(QPainter& p, const Column& column, int markStart, int markLength) {
    const QFontMetrics metrics(p.font());
    const QString shown = metrics.elidedText(column.text, Qt::ElideRight, column.box.width());
    const int baseline = column.box.top() + (column.box.height() + metrics.ascent() - metrics.descent()) / 2;
    if (markLength <= 0 || markStart >= shown.size()) {
        p.setPen(column.ink);
        p.drawText(column.box.left(), baseline, shown);
        return;
    }
    const int markEnd = std::min<int>(static_cast<int>(shown.size()), markStart + markLength);
    const QString before = shown.left(markStart), marked = shown.mid(markStart, markEnd - markStart),
                  after = shown.mid(markEnd);
    int x = column.box.left();
    p.setPen(column.ink);
    p.drawText(x, baseline, before);
    x += metrics.horizontalAdvance(before);
    const int markWidth = metrics.horizontalAdvance(marked);
    p.fillRect(QRect(x, column.box.top() + 1, markWidth, column.box.height() - 2), search_look::kSealWash);
    p.setPen(search_look::kSeal);
    p.drawText(x, baseline, marked);
    p.setPen(column.ink);
    p.drawText(x + markWidth, baseline, after);
}

}  // namespace

void SearchResultDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                 const QModelIndex& index) const {
    QPainter& p = *painter;
    p.save();
    const QRect row = option.rect;
    const bool chosen = option.state.testFlag(QStyle::State_Selected);
    p.fillRect(row, chosen ? search_look::kBand : search_look::kPaper);
    if (chosen) {
        p.setPen(search_look::kBandEdge);
        drawThinRect(p, row);
    }
    p.setFont(option.font);
    const int left = row.left() + kPadding;
    const QRect textBand(left, row.top(), row.width() - kPadding, row.height());
    const Column columns[] = {
        {index.data(kPoetRole).toString(), QRect(left, textBand.top(), kPoetWidth - kPadding, textBand.height()),
         search_look::kInk},
        {index.data(kTitleRole).toString(),
         QRect(left + kPoetWidth, textBand.top(), kTitleWidth - kPadding, textBand.height()), search_look::kCeladonInk},
        {index.data(kLineRole).toString(),
         QRect(left + kPoetWidth + kTitleWidth, textBand.top(),
               textBand.right() - (left + kPoetWidth + kTitleWidth) - kPadding, textBand.height()),
         search_look::kInk},
    };
    const int markColumn = index.data(kMarkColumnRole).toInt();
    for (int c = 0; c < 3; ++c) {
        const bool marked = c == markColumn;
        drawColumn(p, columns[c], marked ? index.data(kMarkStartRole).toInt() : 0,
                   marked ? index.data(kMarkLengthRole).toInt() : 0);
    }
    // A dotted rule under each row, as on the letter paper of the view.
    p.setPen(QPen(search_look::kBandEdge, 1, Qt::DotLine));
    if (!chosen) drawThinLine(p, row.bottomLeft(), row.bottomRight());
    p.restore();
}

QSize SearchResultDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
    return {option.rect.width(), kRowHeight};
}

}  // namespace veyrin

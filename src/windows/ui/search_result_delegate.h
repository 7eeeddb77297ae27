#pragma once
// Paints one row of the search window's list: poet, title and line in three columns, the found
// text marked in seal red in whichever column it lies, the chosen row on the celadon band.

#include <QStyledItemDelegate>

namespace veyrin {

// What a row of the list holds besides its spoken text (Qt::DisplayRole: the three columns).
enum SearchRowRole {
    kPoetRole = Qt::UserRole + 1,
    kTitleRole,
    kLineRole,
    kMarkColumnRole,  // 0 poet, 1 title, 2 line, -1 nothing marked
    kMarkStartRole,   // UTF-16 offset in that column's text
    kMarkLengthRole,
    kCatalogueIndexRole,
    kLineNumberRole,
    kByteColumnRole,
};

class SearchResultDelegate : public QStyledItemDelegate {
    Q_OBJECT
public:
    static constexpr int kRowHeight = 18;
    static constexpr int kPoetWidth = 64;
    static constexpr int kTitleWidth = 112;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

}  // namespace veyrin

#include "controls/ui/gbk_item_list_model.h"

#include <utility>

#include "platform/ui/gbk_qt.h"

namespace veyrin {

int GbkItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(items_.size());
}

QVariant GbkItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount()) return {};
    if (role != Qt::DisplayRole && role != Qt::EditRole) return {};
    return gbkToQString(items_[static_cast<std::size_t>(index.row())]);
}

std::string GbkItemListModel::item(int row) const {
    return row >= 0 && row < rowCount() ? items_[static_cast<std::size_t>(row)] : std::string();
}

void GbkItemListModel::setItems(std::vector<std::string> items) {
    beginResetModel();
    items_ = std::move(items);
    endResetModel();
}

void GbkItemListModel::append(std::string item) {
    const int row = rowCount();
    beginInsertRows({}, row, row);
    items_.push_back(std::move(item));
    endInsertRows();
}

}  // namespace veyrin

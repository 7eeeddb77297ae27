#pragma once
// The items of a drop-down list as GBK byte strings, shown through Qt's item views. The bytes are
// the items; the Unicode text is made only for the rows a view asks for, so a list of millions of
// items (a damaged or mistaken catalogue) costs its bytes and no more, and bytes with no Unicode
// form come back unchanged.

#include <QAbstractListModel>

#include <string>
#include <vector>

namespace veyrin {

class GbkItemListModel : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    const std::vector<std::string>& items() const { return items_; }
    // Empty for a row outside the list.
    std::string item(int row) const;

    void setItems(std::vector<std::string> items);
    void append(std::string item);

private:
    std::vector<std::string> items_;
};

}  // namespace veyrin

#pragma once
// A popup menu of the program whose items are shown through the skinned menu engine of the
// window that owns it (the tray menu, the frame's own system menu).

#include <QObject>
#include <QPointer>

#include <functional>
#include <vector>

#include "skin/model/menu_item.h"

class QWidget;

namespace veyrin {

class TbsSkinData;
class TbsSkinMenu;

class TbsSkinPopupMenu : public QObject {
    Q_OBJECT
public:
    explicit TbsSkinPopupMenu(QWidget* owner);

    std::vector<TbsMenuItem>& items() { return items_; }
    const std::vector<TbsMenuItem>& items() const { return items_; }
    void setItems(std::vector<TbsMenuItem> items) { items_ = std::move(items); }

    // Used only when the owning window's engine has no skin of its own.
    void setSkinData(const TbsSkinData* skinData) { skinData_ = skinData; }
    const TbsSkinData* skinData() const { return skinData_; }

    // Fires aboutToPopup, then opens at the screen point through the owner window's engine.
    // Returns false when there is no engine or nothing to show.
    bool popup(const QPoint& screenPoint);
    bool popupUnder(const QRect& screenRect);
    TbsSkinMenu* engine() const;

signals:
    void aboutToPopup();
    // A chosen item, after the menu has closed.
    void itemTriggered(const veyrin::TbsMenuItem& item);

private:
    bool open(const std::function<bool(TbsSkinMenu&)>& show);

    QPointer<QWidget> owner_;
    const TbsSkinData* skinData_ = nullptr;
    std::vector<TbsMenuItem> items_;
};

}  // namespace veyrin

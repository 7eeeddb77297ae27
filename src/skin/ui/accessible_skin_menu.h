#pragma once
// An open level of a skinned menu for a screen reader: a popup menu whose items (painted, not
// widgets) are menu items and separators named by their captions. The highlighted item is the
// focused one, so moving through the menu with the arrow keys is heard item by item.

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

#include "skin/ui/accessible_painted_part.h"

namespace veyrin {

class TbsSkinPopupWindow;

// Tells a reader which item the highlight moved to (nothing when no item is highlighted).
void notifyMenuItemFocus(TbsSkinPopupWindow* level, int index);

class AccessibleSkinMenuItem : public AccessiblePaintedPart {
public:
    AccessibleSkinMenuItem(TbsSkinPopupWindow* level, int index);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    int index() const { return index_; }

private:
    QPointer<TbsSkinPopupWindow> level_;
    int index_;
};

class AccessibleSkinMenuLevel : public QAccessibleWidget {
public:
    explicit AccessibleSkinMenuLevel(TbsSkinPopupWindow* level);
    ~AccessibleSkinMenuLevel() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* focusChild() const override;

private:
    TbsSkinPopupWindow* level() const;
    mutable std::vector<QAccessible::Id> itemIds_;
};

}  // namespace veyrin

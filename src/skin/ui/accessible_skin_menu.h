#pragma once
// An open level of a skinned menu for a screen reader: a popup menu whose items (painted, not
// widgets) are menu items and separators named by their captions. The highlighted item is the
// focused one, so moving through the menu with the arrow keys is heard item by item.

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

namespace veyrin {

class TbsSkinPopupWindow;

// Tells a reader which item the highlight moved to (nothing when no item is highlighted).
void notifyMenuItemFocus(TbsSkinPopupWindow* level, int index);

class AccessibleSkinMenuItem : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    AccessibleSkinMenuItem(TbsSkinPopupWindow* level, int index);

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

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

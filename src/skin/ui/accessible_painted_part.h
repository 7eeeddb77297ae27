#pragma once
// A part of a skinned window that is painted rather than a widget (a caption button, a menu item),
// as a screen reader sees it: a leaf with no object of its own, no children, a text that the
// reader cannot change, and actions. The derived part says what it is, where, and what it does.

#include <QAccessibleInterface>

namespace veyrin {

class AccessiblePaintedPart : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    QObject* object() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

}  // namespace veyrin

#pragma once
// The search window's tabs as a screen reader sees them: a page-tab list whose tabs are named by
// their captions, say which one is chosen (selected, as readers expect of page tabs) and can be
// chosen by their press action. Tabs are painted, so they are children without objects that refer
// to the bar by a guarded pointer and their index.

#include <QAccessibleWidget>
#include <QPointer>

#include <vector>

#include "skin/ui/accessible_painted_part.h"

namespace veyrin {

class SearchTabBar;

class AccessibleSearchTab : public AccessiblePaintedPart {
public:
    AccessibleSearchTab(SearchTabBar* bar, int index);

    bool isValid() const override;
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    int index() const { return index_; }

private:
    QPointer<SearchTabBar> bar_;
    int index_;
};

class AccessibleSearchTabs : public QAccessibleWidget {
public:
    explicit AccessibleSearchTabs(SearchTabBar* bar);
    ~AccessibleSearchTabs() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    SearchTabBar* bar() const;
    mutable std::vector<QAccessible::Id> tabIds_;
};

}  // namespace veyrin

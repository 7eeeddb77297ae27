#include "windows/ui/accessible_search_tabs.h"

#include "windows/ui/search_tab_bar.h"

namespace veyrin {

AccessibleSearchTab::AccessibleSearchTab(SearchTabBar* bar, int index) : bar_(bar), index_(index) {}

bool AccessibleSearchTab::isValid() const { return bar_ && index_ < bar_->count(); }

QWindow* AccessibleSearchTab::window() const { return bar_ ? bar_->window()->windowHandle() : nullptr; }

QAccessibleInterface* AccessibleSearchTab::parent() const {
    return bar_ ? QAccessible::queryAccessibleInterface(bar_.data()) : nullptr;
}

QString AccessibleSearchTab::text(QAccessible::Text t) const {
    if (!isValid() || t != QAccessible::Name) return {};
    return bar_->tabText(index_);
}

QRect AccessibleSearchTab::rect() const {
    if (!isValid()) return {};
    const QRect box = bar_->tabRect(index_);
    return QRect(bar_->mapToGlobal(box.topLeft()), box.size());
}

QAccessible::State AccessibleSearchTab::state() const {
    QAccessible::State s;
    if (!isValid()) {
        s.invalid = true;
        return s;
    }
    const bool chosen = bar_->currentIndex() == index_;
    s.selectable = true;
    s.selected = chosen;
    s.focusable = true;
    s.focused = chosen && bar_->hasFocus();
    s.disabled = !bar_->isTabEnabled(index_);
    s.invisible = !bar_->isVisible();
    return s;
}

QStringList AccessibleSearchTab::actionNames() const {
    return isValid() && bar_->isTabEnabled(index_) ? QStringList{pressAction()} : QStringList{};
}

void AccessibleSearchTab::doAction(const QString& actionName) {
    if (actionName == pressAction() && !actionNames().isEmpty()) bar_->setCurrentIndex(index_);
}

AccessibleSearchTabs::AccessibleSearchTabs(SearchTabBar* bar) : QAccessibleWidget(bar, QAccessible::PageTabList) {}

AccessibleSearchTabs::~AccessibleSearchTabs() {
    for (QAccessible::Id id : tabIds_) QAccessible::deleteAccessibleInterface(id);
}

SearchTabBar* AccessibleSearchTabs::bar() const { return static_cast<SearchTabBar*>(widget()); }

int AccessibleSearchTabs::childCount() const { return bar()->count(); }

QAccessibleInterface* AccessibleSearchTabs::child(int index) const {
    if (index < 0 || index >= childCount()) return nullptr;
    while (tabIds_.size() <= static_cast<std::size_t>(index)) {
        const int next = static_cast<int>(tabIds_.size());
        tabIds_.push_back(QAccessible::registerAccessibleInterface(new AccessibleSearchTab(bar(), next)));
    }
    return QAccessible::accessibleInterface(tabIds_[static_cast<std::size_t>(index)]);
}

int AccessibleSearchTabs::indexOfChild(const QAccessibleInterface* child) const {
    const auto* tab = dynamic_cast<const AccessibleSearchTab*>(child);
    return tab != nullptr && tab->index() < childCount() ? tab->index() : -1;
}

QAccessibleInterface* AccessibleSearchTabs::childAt(int x, int y) const {
    for (int i = 0; i < childCount(); ++i) {
        QAccessibleInterface* tab = child(i);
        if (tab->rect().contains(x, y)) return tab;
    }
    return nullptr;
}

}  // namespace veyrin

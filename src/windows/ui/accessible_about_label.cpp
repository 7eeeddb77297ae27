#include "windows/ui/accessible_about_label.h"

#include "windows/ui/about_window.h"

namespace veyrin {

namespace {

// The label's own role is fixed when the interface is made; a link never stops being one.
QAccessible::Role roleOf(const AboutLabel* label) {
    return label->cursor().shape() == Qt::PointingHandCursor ? QAccessible::Link : QAccessible::StaticText;
}

}  // namespace

AccessibleAboutLabel::AccessibleAboutLabel(AboutLabel* label) : QAccessibleWidget(label, roleOf(label)) {}

AboutLabel* AccessibleAboutLabel::label() const { return static_cast<AboutLabel*>(widget()); }

bool AccessibleAboutLabel::isLink() const { return role() == QAccessible::Link; }

QString AccessibleAboutLabel::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && widget()->accessibleName().isEmpty()) return label()->text();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleAboutLabel::state() const {
    QAccessible::State s = QAccessibleWidget::state();
    s.linked = isLink();
    s.traversed = false;
    return s;
}

QStringList AccessibleAboutLabel::actionNames() const {
    return isLink() ? QStringList{pressAction()} : QStringList{};
}

void AccessibleAboutLabel::doAction(const QString& actionName) {
    if (isLink() && actionName == pressAction()) emit label()->clicked();
}

}  // namespace veyrin

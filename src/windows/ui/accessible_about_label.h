#pragma once
// The about window's labels: plain text, or a link (the ones that show the pointing hand) that a
// reader can follow with its press action.

#include <QAccessibleWidget>

namespace veyrin {

class AboutLabel;

class AccessibleAboutLabel : public QAccessibleWidget {
public:
    explicit AccessibleAboutLabel(AboutLabel* label);
    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    AboutLabel* label() const;
    bool isLink() const;
};

}  // namespace veyrin

#pragma once
// The search window's two tabs, 查找 and 收藏, drawn as paper tabs: the chosen one joins the page
// below it, the other sits back in a darker paper. Qt's tab bar keeps the keyboard handling and
// what a screen reader is told (page tabs with their names and which one is chosen).

#include <QTabBar>

namespace veyrin {

class SearchTabBar : public QTabBar {
    Q_OBJECT
public:
    static constexpr int kTabWidth = 64;
    static constexpr int kTabHeight = 22;

    explicit SearchTabBar(QWidget* parent = nullptr);

protected:
    QSize tabSizeHint(int index) const override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace veyrin

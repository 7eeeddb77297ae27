#include "skin/model/menu_level_layout.h"

#include <algorithm>

namespace veyrin {

int MenuLevelMetrics::horizontalMargins() const {
    if (!skinned) return 10;
    return pictureWidth - itemsRect.width() + textLeftInset + textRightInset;
}

int MenuLevelMetrics::verticalMargins() const {
    if (!skinned) return 2 * kBuiltInMargin;
    return pictureHeight - itemsRect.height();
}

MenuLevelMetrics builtInMenuMetrics(int defaultItemHeight) {
    MenuLevelMetrics m;
    m.itemHeight = defaultItemHeight;
    m.separatorHeight = MenuLevelMetrics::kBuiltInSeparatorHeight;
    return m;
}

MenuLevelSize menuLevelSize(const std::vector<TbsMenuItem>& items, const MenuLevelMetrics& metrics,
                            const MenuTextWidth& textWidth, int maxItemsInWindow, int workAreaHeight) {
    int widest = 0;
    int itemsHeight = 0;
    int shownCount = 0;
    for (const TbsMenuItem& item : items) {
        if (!item.visible) continue;
        ++shownCount;
        itemsHeight += metrics.heightOf(item);
        if (!item.isSeparator()) widest = std::max(widest, textWidth(menuMeasuredText(item)) + 2);
    }
    MenuLevelSize size;
    size.width = widest + metrics.glyphColumnWidth() + MenuLevelMetrics::kArrowColumn + metrics.horizontalMargins();
    size.height = itemsHeight + metrics.verticalMargins();
    if (maxItemsInWindow > 0 && shownCount > maxItemsInWindow) {
        size.height = maxItemsInWindow * metrics.itemHeight + metrics.verticalMargins() + 2 * MenuLevelMetrics::kScrollMarkerHeight;
        size.scrolls = true;
    }
    if (workAreaHeight > 0 && size.height > workAreaHeight) {
        size.height = workAreaHeight;
        size.scrolls = true;
    }
    return size;
}

namespace {

FrameRect scaledItemsRect(const MenuLevelMetrics& m, const MenuLevelSize& size) {
    if (!m.skinned) {
        const int margin = MenuLevelMetrics::kBuiltInMargin;
        return {margin, margin, size.width - margin, size.height - margin};
    }
    const FrameRect& r = m.itemsRect;
    return {r.left, r.top, r.right + size.width - m.pictureWidth, r.bottom + size.height - m.pictureHeight};
}

}  // namespace

MenuLevelLayout layoutMenuLevel(const std::vector<TbsMenuItem>& items, const MenuLevelMetrics& metrics,
                                const MenuLevelSize& size, int firstVisible) {
    MenuLevelLayout layout;
    layout.itemsRect = scaledItemsRect(metrics, size);
    FrameRect area = layout.itemsRect;
    if (size.scrolls) {
        const int marker = MenuLevelMetrics::kScrollMarkerHeight;
        layout.upMarker = {area.left, area.top, area.right, area.top + marker};
        layout.downMarker = {area.left, area.bottom - marker, area.right, area.bottom};
        area.top += marker;
        area.bottom -= marker;
    } else {
        firstVisible = 0;
    }
    firstVisible = std::clamp(firstVisible, 0, std::max(0, static_cast<int>(items.size()) - 1));
    int y = area.top;
    int index = firstVisible;
    for (; index < static_cast<int>(items.size()); ++index) {
        const TbsMenuItem& item = items[static_cast<std::size_t>(index)];
        if (!item.visible) continue;
        int height = metrics.heightOf(item);
        if (y + height > area.bottom) break;
        layout.visibleItems.push_back(index);
        layout.itemRects.push_back({area.left, y, area.right, y + height});
        y += height;
    }
    if (size.scrolls) {
        layout.canScrollUp = firstVisible > 0;
        layout.canScrollDown = index < static_cast<int>(items.size());
    }
    return layout;
}

int MenuLevelLayout::itemAt(int x, int y) const {
    for (std::size_t i = 0; i < itemRects.size(); ++i) {
        if (itemRects[i].contains(x, y)) return visibleItems[i];
    }
    return -1;
}

FrameRect MenuLevelLayout::rectOf(int index) const {
    auto found = std::find(visibleItems.begin(), visibleItems.end(), index);
    if (found == visibleItems.end()) return {};
    return itemRects[static_cast<std::size_t>(found - visibleItems.begin())];
}

int firstVisibleToShow(const std::vector<TbsMenuItem>& items, const MenuLevelMetrics& metrics,
                       const MenuLevelSize& size, int firstVisible, int index) {
    if (!size.scrolls || index < 0) return firstVisible;
    if (index < firstVisible) return index;
    int first = firstVisible;
    while (first < index && layoutMenuLevel(items, metrics, size, first).rectOf(index).isAbsent()) ++first;
    return first;
}

}  // namespace veyrin

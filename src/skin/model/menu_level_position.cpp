#include "skin/model/menu_level_position.h"

#include <algorithm>

namespace veyrin {
namespace {

struct Vertical {
    int top = 0;
    bool clean = false;  // straight below or above the anchor, not pushed by the work area
};

bool inUpperHalf(const FrameRect& r, int y) { return y < r.top + r.height() / 2; }

Vertical firstLevelDownward(const MenuPlacementRequest& q) {
    const FrameRect& a = q.anchor;
    const FrameRect& r = q.workArea;
    if (a.bottom + q.height <= r.bottom) return {a.bottom, true};
    if (inUpperHalf(r, a.top)) return {r.bottom - q.height, false};
    if (a.top - q.height >= r.top) return {a.top - q.height, true};
    return {r.top, false};
}

Vertical firstLevelUpward(const MenuPlacementRequest& q) {
    const FrameRect& a = q.anchor;
    const FrameRect& r = q.workArea;
    if (a.top - q.height >= r.top) return {a.top - q.height, true};
    if (inUpperHalf(r, a.top)) {
        if (a.bottom + q.height <= r.bottom) return {a.bottom, true};
        return {r.bottom - q.height, false};
    }
    return {r.top, false};
}

int submenuTop(const MenuPlacementRequest& q) {
    const FrameRect& a = q.anchor;
    const FrameRect& r = q.workArea;
    int top = a.top - q.itemsTopInset;
    if (top + q.height <= r.bottom) return top;
    if (!inUpperHalf(r, a.top)) return std::max(r.top, a.bottom + q.itemsTopInset - q.height);
    return r.bottom - q.height;
}

int besideAnchor(const MenuPlacementRequest& q) {
    if (q.anchor.right + 1 + q.width <= q.workArea.right) return q.anchor.right + 1;
    return q.anchor.left - q.width - 1;
}

int alignedWithAnchor(const MenuPlacementRequest& q) {
    int left = std::min(q.anchor.left, q.workArea.right - q.width);
    return std::max(left, q.workArea.left);
}

}  // namespace

MenuPlacement placeMenuLevel(const MenuPlacementRequest& q) {
    if (q.submenu) return {besideAnchor(q), submenuTop(q)};
    Vertical v = q.upward ? firstLevelUpward(q) : firstLevelDownward(q);
    int left = (v.clean && !q.cutToWorkArea) ? alignedWithAnchor(q) : besideAnchor(q);
    return {left, v.top};
}

}  // namespace veyrin

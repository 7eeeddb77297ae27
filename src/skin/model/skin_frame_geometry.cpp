#include "skin/model/skin_frame_geometry.h"

#include <algorithm>

namespace veyrin {
namespace {

FramePoint moved(FramePoint p, int dx, int dy) { return {p.x + dx, p.y + dy}; }

enum class Zone { None, TopLeft, TopRight, BottomLeft, BottomRight };

Zone zoneOf(const SkinFrameLayout& layout, int x, int y) {
    const SkinAnchors& a = layout.formInfo.anchors;
    const int w0 = layout.pictureWidth, h0 = layout.pictureHeight;
    if (FrameRect{0, 0, a.leftTop.x, a.leftTop.y}.contains(x, y)) return Zone::TopLeft;
    if (FrameRect{a.rightTop.x, 0, w0, a.rightTop.y}.contains(x, y)) return Zone::TopRight;
    if (FrameRect{0, a.leftBottom.y, a.leftBottom.x, h0}.contains(x, y)) return Zone::BottomLeft;
    if (FrameRect{a.rightBottom.x, a.rightBottom.y, w0, h0}.contains(x, y)) return Zone::BottomRight;
    return Zone::None;
}

}  // namespace

FrameSize SkinFrameLayout::windowSizeForClient(int clientWidth, int clientHeight) const {
    return {clientWidth + leftInset() + rightInset(), clientHeight + topInset() + bottomInset()};
}

SkinFrameGeometry skinFrameGeometry(const SkinFrameLayout& layout, int width, int height) {
    const TbsFormInfo& f = layout.formInfo;
    SkinFrameGeometry g;
    g.width = width;
    g.height = height;
    g.dx = width - layout.pictureWidth;
    g.dy = height - layout.pictureHeight;
    g.leftTop = f.anchors.leftTop;
    g.rightTop = moved(f.anchors.rightTop, g.dx, 0);
    g.leftBottom = moved(f.anchors.leftBottom, 0, g.dy);
    g.rightBottom = moved(f.anchors.rightBottom, g.dx, g.dy);
    g.clientRect = {f.clientRect.left, f.clientRect.top, f.clientRect.right + g.dx, f.clientRect.bottom + g.dy};
    g.captionRect = f.captionRect;
    g.captionRect.right += g.dx;
    g.buttonsRect = f.buttonsRect;
    // A buttons area in the right half follows the right edge; one in the left half stays and
    // lays the buttons out from the left.
    if (!f.buttonsRect.isAbsent()) {
        if (f.buttonsRect.left >= layout.pictureWidth / 2) {
            g.buttonsRect = f.buttonsRect.translated(g.dx, 0);
        } else {
            g.buttonsInLeft = true;
        }
    }
    g.buttonsInLeft = g.buttonsInLeft || f.buttonsInLeft;
    g.hitTestLeftTop = f.hitTestLeftTop;
    g.hitTestRightTop = moved(f.hitTestRightTop, g.dx, 0);
    g.hitTestLeftBottom = moved(f.hitTestLeftBottom, 0, g.dy);
    g.hitTestRightBottom = moved(f.hitTestRightBottom, g.dx, g.dy);
    g.maskRectArea = {f.maskRectArea.left, f.maskRectArea.top, f.maskRectArea.right + g.dx, f.maskRectArea.bottom + g.dy};
    return g;
}

FrameRect placeFrameObject(const SkinFrameLayout& layout, const SkinFrameGeometry& g, const FrameRect& r) {
    const Zone first = zoneOf(layout, r.left, r.top);
    const Zone last = zoneOf(layout, r.right, r.bottom);
    const int dx = g.dx, dy = g.dy;
    if (first == last) {
        switch (first) {
        case Zone::TopLeft: return r;
        case Zone::TopRight: return r.translated(dx, 0);
        case Zone::BottomLeft: return r.translated(0, dy);
        case Zone::BottomRight: return r.translated(dx, dy);
        case Zone::None: return r;
        }
    }
    if (first == Zone::TopLeft && last == Zone::BottomRight) return {r.left, r.top, r.right + dx, r.bottom + dy};
    if (first == Zone::TopLeft && last == Zone::TopRight) return {r.left, r.top, r.right + dx, r.bottom};
    if (first == Zone::BottomLeft && last == Zone::BottomRight) return {r.left, r.top + dy, r.right + dx, r.bottom + dy};
    if (first == Zone::TopLeft && last == Zone::BottomLeft) return {r.left, r.top, r.right, r.bottom + dy};
    if (first == Zone::TopRight && last == Zone::BottomRight) return {r.left + dx, r.top, r.right + dx, r.bottom + dy};
    return r;
}

FrameSize skinMinimumFrameSize(const SkinFrameLayout& layout, const FrameLimits& limits) {
    FrameSize size{layout.pictureWidth, layout.pictureHeight - layout.formInfo.clientRect.height()};
    if (!limits.minimised) size.width = std::max(size.width, limits.minWidth);
    if (!limits.minimised && !limits.rolledUp) size.height = std::max(size.height, limits.minHeight);
    return size;
}

FrameSize builtInMinimumFrameSize(int captionHeight, const FrameLimits& limits) {
    FrameSize size{limits.minWidth > 0 ? limits.minWidth : 120, captionHeight + 6};
    if (!limits.minimised && !limits.rolledUp) size.height = std::max(size.height, limits.minHeight);
    return size;
}

}  // namespace veyrin

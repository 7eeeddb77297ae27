#include "skin/model/skin_hit_test.h"

#include <algorithm>

namespace veyrin {
namespace {

bool inCaptionObject(const SkinHitContext& c, int x, int y) {
    return std::any_of(c.captionObjects.begin(), c.captionObjects.end(), [x, y](const FrameRect& r) { return r.contains(x, y); });
}

FrameHit captionOrObject(const SkinHitContext& c, int x, int y) {
    return inCaptionObject(c, x, y) ? FrameHit::Caption : FrameHit::Object;
}

bool outsideWindow(const SkinHitContext& c, int x, int y) {
    const SkinFrameGeometry& g = *c.geometry;
    if (!c.shape) return !FrameRect{0, 0, g.width, g.height}.contains(x, y);
    return !c.shape->contains(x, y);
}

bool nearOutline(const SkinHitContext& c, int x, int y) {
    const int b = c.borderWidth;
    if (c.shape && c.shape->maskRectArea().contains(x, y)) return false;
    return outsideWindow(c, x - b, y) || outsideWindow(c, x, y - b) || outsideWindow(c, x + b, y) ||
           outsideWindow(c, x, y + b);
}

// The resize zone under a point near the outline, or Object when it is in none.
FrameHit resizeZone(const SkinFrameGeometry& g, int x, int y) {
    const FrameRect& cl = g.clientRect;
    if (x <= g.hitTestLeftTop.x && y <= g.hitTestLeftTop.y) return FrameHit::TopLeft;
    if (x >= g.hitTestRightTop.x && y <= g.hitTestRightTop.y) return FrameHit::TopRight;
    if (x <= g.hitTestLeftBottom.x && y >= g.hitTestLeftBottom.y) return FrameHit::BottomLeft;
    if (x >= g.hitTestRightBottom.x && y >= g.hitTestRightBottom.y) return FrameHit::BottomRight;
    if (FrameRect{g.hitTestLeftTop.x, 0, g.hitTestRightTop.x, cl.top}.contains(x, y)) return FrameHit::Top;
    if (FrameRect{g.hitTestLeftBottom.x, cl.bottom, g.hitTestRightBottom.x, g.height}.contains(x, y)) return FrameHit::Bottom;
    if (FrameRect{0, g.hitTestLeftTop.y, cl.left, g.hitTestLeftBottom.y}.contains(x, y)) return FrameHit::Left;
    if (FrameRect{cl.right, g.hitTestRightTop.y, g.width, g.hitTestRightBottom.y}.contains(x, y)) return FrameHit::Right;
    return FrameHit::Object;
}

}  // namespace

FrameHit skinHitTest(const SkinHitContext& c, int x, int y) {
    const SkinFrameGeometry& g = *c.geometry;
    if (c.rolledUpOrMinimised) return captionOrObject(c, x, y);
    if (c.objectHot && !inCaptionObject(c, x, y) && !g.clientRect.contains(x, y) && !c.moveSizeLoop) return FrameHit::Object;
    if (c.resizable && !c.maximisedByFrame) {
        if (!nearOutline(c, x, y)) {
            if (g.clientRect.contains(x, y)) return FrameHit::Client;
            return captionOrObject(c, x, y);
        }
        FrameHit zone = resizeZone(g, x, y);
        if (zone != FrameHit::Object) return zone;
    }
    if (g.clientRect.contains(x, y)) return FrameHit::Client;
    return captionOrObject(c, x, y);
}

}  // namespace veyrin

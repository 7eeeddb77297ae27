#include "skin/model/picture_composition.h"

namespace veyrin {
namespace {

// One run along an axis: source [from, to) placed at target [at, at + length).
struct Span {
    int sourceFrom, sourceTo, targetFrom, targetTo;
};

// Splits an axis of `sourceLength` at two anchors into a fixed head, a middle that fills the extra
// length, and a fixed tail.
void splitAxis(int sourceLength, int targetLength, int anchorFrom, int anchorTo, Span spans[3]) {
    int extra = targetLength - sourceLength;
    spans[0] = {0, anchorFrom, 0, anchorFrom};
    spans[1] = {anchorFrom, anchorTo, anchorFrom, anchorTo + extra};
    spans[2] = {anchorTo, sourceLength, anchorTo + extra, targetLength};
}

bool isEmpty(const FrameRect& r) { return r.width() <= 0 || r.height() <= 0; }

void addCopy(std::vector<PictureCopy>& copies, FrameRect source, FrameRect target, PictureCopy::Mode mode) {
    if (isEmpty(source) || isEmpty(target)) return;
    copies.push_back({source, target, mode});
}

// A horizontal strip: source rows [sourceTop, sourceBottom) drawn at target rows [targetTop, ...),
// columns split at the two anchors.
void horizontalStrip(std::vector<PictureCopy>& copies, int sourceWidth, int width, int fromX, int toX, int sourceTop,
                     int sourceBottom, int targetTop, bool stretch) {
    Span spans[3];
    splitAxis(sourceWidth, width, fromX, toX, spans);
    int targetBottom = targetTop + (sourceBottom - sourceTop);
    PictureCopy::Mode middle = stretch ? PictureCopy::Mode::Stretch : PictureCopy::Mode::Tile;
    const PictureCopy::Mode modes[3] = {PictureCopy::Mode::Copy, middle, PictureCopy::Mode::Copy};
    for (int i : {0, 1, 2}) {
        addCopy(copies, {spans[i].sourceFrom, sourceTop, spans[i].sourceTo, sourceBottom},
                {spans[i].targetFrom, targetTop, spans[i].targetTo, targetBottom}, modes[i]);
    }
}

// A vertical strip: source columns [sourceLeft, sourceRight) between source rows [innerTop,
// innerBottom), drawn at target rows [innerTop, innerBottom + dy), rows split at the two anchors.
void verticalStrip(std::vector<PictureCopy>& copies, int sourceLeft, int sourceRight, int targetLeft, int innerTop,
                   int innerBottom, int dy, int fromY, int toY, bool stretch) {
    int targetRight = targetLeft + (sourceRight - sourceLeft);
    PictureCopy::Mode middle = stretch ? PictureCopy::Mode::Stretch : PictureCopy::Mode::Tile;
    addCopy(copies, {sourceLeft, innerTop, sourceRight, fromY}, {targetLeft, innerTop, targetRight, fromY}, PictureCopy::Mode::Copy);
    addCopy(copies, {sourceLeft, fromY, sourceRight, toY}, {targetLeft, fromY, targetRight, toY + dy}, middle);
    addCopy(copies, {sourceLeft, toY, sourceRight, innerBottom}, {targetLeft, toY + dy, targetRight, innerBottom + dy},
            PictureCopy::Mode::Copy);
}

}  // namespace

FrameRect stripRect(const CompositionSource& s, FrameStrip strip, int width, int height) {
    int topHeight = s.inner.top;
    int bottomHeight = s.height - s.inner.bottom;
    int rightWidth = s.width - s.inner.right;
    switch (strip) {
    case FrameStrip::Top: return {0, 0, width, topHeight};
    case FrameStrip::Bottom: return {0, height - bottomHeight, width, height};
    case FrameStrip::Left: return {0, topHeight, s.inner.left, height - bottomHeight};
    case FrameStrip::Right: return {width - rightWidth, topHeight, width, height - bottomHeight};
    }
    return {};
}

std::vector<PictureCopy> stripCopies(const CompositionSource& s, FrameStrip strip, int width, int height) {
    std::vector<PictureCopy> copies;
    const SkinAnchors& a = s.anchors;
    int dx = width - s.width;
    int dy = height - s.height;
    switch (strip) {
    case FrameStrip::Top:
        horizontalStrip(copies, s.width, width, a.leftTop.x, a.rightTop.x, 0, s.inner.top, 0, a.topStretch);
        break;
    case FrameStrip::Bottom:
        horizontalStrip(copies, s.width, width, a.leftBottom.x, a.rightBottom.x, s.inner.bottom, s.height,
                        s.inner.bottom + dy, a.bottomStretch);
        break;
    case FrameStrip::Left:
        verticalStrip(copies, 0, s.inner.left, 0, s.inner.top, s.inner.bottom, dy, a.leftTop.y, a.leftBottom.y,
                      a.leftStretch);
        break;
    case FrameStrip::Right:
        verticalStrip(copies, s.inner.right, s.width, s.inner.right + dx, s.inner.top, s.inner.bottom, dy,
                      a.rightTop.y, a.rightBottom.y, a.rightStretch);
        break;
    }
    return copies;
}

std::vector<PictureCopy> composedPictureCopies(const CompositionSource& s, int width, int height) {
    std::vector<PictureCopy> copies;
    for (FrameStrip strip : {FrameStrip::Top, FrameStrip::Left, FrameStrip::Right, FrameStrip::Bottom}) {
        std::vector<PictureCopy> part = stripCopies(s, strip, width, height);
        copies.insert(copies.end(), part.begin(), part.end());
    }
    int dx = width - s.width;
    int dy = height - s.height;
    addCopy(copies, s.inner, {s.inner.left, s.inner.top, s.inner.right + dx, s.inner.bottom + dy}, PictureCopy::Mode::Tile);
    return copies;
}

}  // namespace veyrin

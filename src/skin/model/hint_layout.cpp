#include "skin/model/hint_layout.h"

#include <algorithm>

namespace veyrin {

CompositionSource hintPictureSource(const TbsDataSkinHintWindow& hint, int pictureWidth, int pictureHeight) {
    return {pictureWidth, pictureHeight, hint.anchors, hint.clientRect};
}

HintSize skinnedHintSize(const CompositionSource& picture, int textWidth, int textHeight) {
    int horizontalInsets = picture.inner.left + picture.width - picture.inner.right;
    int verticalInsets = picture.inner.top + picture.height - picture.inner.bottom;
    return {std::max(textWidth + horizontalInsets, picture.width), std::max(textHeight + verticalInsets, picture.height)};
}

HintSize plainHintSize(int textWidth, int textHeight) {
    return {textWidth + 2 * kPlainHintMargin, textHeight + 2 * kPlainHintMargin};
}

HintGeometry scaledHintGeometry(const CompositionSource& picture, HintSize size) {
    int dx = size.width - picture.width;
    int dy = size.height - picture.height;
    HintGeometry geometry;
    geometry.size = size;
    const FrameRect& client = picture.inner;
    geometry.clientRect = {client.left, client.top, client.right + dx, client.bottom + dy};
    geometry.anchors = picture.anchors;
    SkinAnchors& a = geometry.anchors;
    a.rightTop.x += dx;
    a.leftBottom.y += dy;
    a.rightBottom.x += dx;
    a.rightBottom.y += dy;
    return geometry;
}

FramePoint hintPosition(FramePoint at, HintSize size, const FrameRect& screen) {
    FramePoint position = at;
    if (position.x + size.width > screen.right) position.x -= size.width + kHintEdgeGap;
    if (position.y + size.height > screen.bottom) position.y -= size.height + kHintEdgeGap;
    return position;
}

}  // namespace veyrin

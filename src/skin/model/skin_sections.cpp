#include "skin/model/skin_sections.h"

#include <algorithm>

#include "skin/model/skin_ini_values.h"

namespace veyrin {

namespace {

SkinAnchors readAnchors(const SkinSectionReader& r) {
    SkinAnchors a;
    a.leftTop = r.point("lefttoppoint");
    a.rightTop = r.point("righttoppoint");
    a.leftBottom = r.point("leftbottompoint");
    a.rightBottom = r.point("rightbottompoint");
    a.leftStretch = r.boolean("leftstretch");
    a.rightStretch = r.boolean("rightstretch");
    a.topStretch = r.boolean("topstretch");
    a.bottomStretch = r.boolean("bottomstretch");
    return a;
}

void fallBackToAnchor(FramePoint& hitTest, FramePoint anchor) {
    if (hitTest.isAbsent()) hitTest = anchor;
}

}  // namespace

void settleFormInfo(TbsFormInfo& info, bool maskNamed) {
    const FrameRect& client = info.clientRect;
    SkinAnchors& a = info.anchors;
    if (maskNamed) {
        FrameRect& m = info.maskRectArea;
        if (m.isAbsent()) {
            m = client;
        } else {
            m = {std::min(m.left, client.left), std::min(m.top, client.top), std::max(m.right, client.right),
                 std::max(m.bottom, client.bottom)};
        }
        fallBackToAnchor(info.hitTestLeftTop, a.leftTop);
        fallBackToAnchor(info.hitTestRightTop, a.rightTop);
        fallBackToAnchor(info.hitTestLeftBottom, a.leftBottom);
        fallBackToAnchor(info.hitTestRightBottom, a.rightBottom);
    }
    if (a.rightBottom.x == a.leftTop.x || a.rightBottom.y == a.leftTop.y) return;
    a.leftTop.x = std::max(a.leftTop.x, client.left);
    a.leftBottom.x = std::max(a.leftBottom.x, client.left);
    a.leftTop.y = std::max(a.leftTop.y, client.top);
    a.rightTop.y = std::max(a.rightTop.y, client.top);
    a.rightTop.x = std::min(a.rightTop.x, client.right);
    a.rightBottom.x = std::min(a.rightBottom.x, client.right);
    a.leftBottom.y = std::min(a.leftBottom.y, client.bottom);
    a.rightBottom.y = std::min(a.rightBottom.y, client.bottom);
}

TbsFormInfo readFormInfo(const SkinIniText& ini, bool maskNamed) {
    const SkinSectionReader r(ini, "FORMINFO");
    TbsFormInfo info;
    info.anchors = readAnchors(r);
    info.clientRect = r.rect("clientrect");
    info.bgPictureIndex = r.integer("bgpictureindex", -1);
    info.mdiBgPictureIndex = r.integer("mdibgpictureindex", -1);
    info.maskRectArea = r.rect("maskrectarea");
    info.hitTestLeftTop = r.point("hittestlefttoppoint");
    info.hitTestRightTop = r.point("hittestrighttoppoint");
    info.hitTestLeftBottom = r.point("hittestleftbottompoint");
    info.hitTestRightBottom = r.point("hittestrightbottompoint");
    info.buttonsRect = r.rect("buttonsrect");
    info.captionRect = r.rect("captionrect");
    info.buttonsOffset = r.integer("buttonsoffset", 0);
    info.buttonsInLeft = r.boolean("buttonsinleft");
    info.mainMenuPopupUp = r.boolean("mainmenupopupup");
    info.borderWidth = r.integer("borderwidth", 0);
    info.autoRenderingInactiveImage = r.boolean("autorenderinginactiveimage");
    info.inactiveEffect = r.inactiveEffect("inactiveeffect");
    settleFormInfo(info, maskNamed);
    return info;
}

TbsDataSkinPopupWindow readPopupWindow(const SkinIniText& ini) {
    const SkinSectionReader r(ini, "POPUPWINDOW");
    TbsDataSkinPopupWindow popup;
    popup.windowPictureIndex = r.integer("windowpictureindex", -1);
    popup.maskPictureIndex = r.integer("maskpictureindex", -1);
    popup.anchors = readAnchors(r);
    popup.itemsRect = r.rect("itemsrect");
    popup.scrollMarkerColor = r.colour("scrollmarkercolor");
    popup.scrollMarkerActiveColor = r.colour("scrollmarkeractivecolor");
    return popup;
}

TbsDataSkinHintWindow readHintWindow(const SkinIniText& ini) {
    const SkinSectionReader r(ini, "HINTWINDOW");
    TbsDataSkinHintWindow hint;
    hint.windowPictureIndex = r.integer("windowpictureindex", -1);
    hint.maskPictureIndex = r.integer("maskpictureindex", -1);
    hint.anchors = readAnchors(r);
    hint.clientRect = r.rect("clientrect");
    hint.fontName = r.string("fontname", "Arial");
    hint.fontHeight = r.integer("fontheight", 14);
    hint.fontStyle = r.fontStyle("fontstyle");
    hint.fontColor = r.colour("fontcolor");
    return hint;
}

}  // namespace veyrin

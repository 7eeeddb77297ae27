#include <gtest/gtest.h>

#include "skin/model/frame_object_rules.h"
#include "skin/model/morph_blend.h"
#include "skin/model/skin_frame_geometry.h"
#include "skin/model/skin_hit_test.h"
#include "skin/model/window_shape.h"

using namespace veyrin;

namespace {

// The frame layout of the program's stored skin: a 188 x 128 picture.
SkinFrameLayout storedLayout() {
    SkinFrameLayout layout;
    layout.pictureWidth = 188;
    layout.pictureHeight = 128;
    TbsFormInfo& f = layout.formInfo;
    f.anchors.leftTop = {89, 39};
    f.anchors.rightTop = {97, 37};
    f.anchors.leftBottom = {14, 115};
    f.anchors.rightBottom = {174, 116};
    f.clientRect = {11, 32, 177, 118};
    f.maskRectArea = {5, 4, 183, 124};
    f.hitTestLeftTop = {10, 11};
    f.hitTestRightTop = {178, 10};
    f.hitTestLeftBottom = {11, 117};
    f.hitTestRightBottom = {176, 117};
    f.borderWidth = 3;
    return layout;
}

struct NamedRect {
    const char* name;
    FrameRect skin;
};
const NamedRect kButtons[] = {{"close", {158, 5, 181, 29}},    {"minimise", {110, 5, 133, 29}}, {"maximise", {134, 5, 157, 29}},
                              {"roll-up", {31, 5, 54, 29}},   {"system menu", {7, 5, 30, 29}}, {"tray", {55, 5, 78, 29}}};

}  // namespace

TEST(SkinFrameGeometry, MainWindowClientGivesTheFrameSizeAndInsets) {
    SkinFrameLayout layout = storedLayout();
    EXPECT_EQ(layout.windowSizeForClient(538, 661), (FrameSize{560, 703}));
    SkinFrameGeometry g = skinFrameGeometry(layout, 560, 703);
    EXPECT_EQ(g.clientRect, (FrameRect{11, 32, 549, 693}));
    EXPECT_EQ(g.maskRectArea, (FrameRect{5, 4, 555, 699}));
    EXPECT_EQ(g.rightBottom, (FramePoint{546, 691}));
    EXPECT_EQ(g.hitTestRightTop, (FramePoint{550, 10}));
    EXPECT_EQ(skinMinimumFrameSize(layout, {}), (FrameSize{188, 42}));
    EXPECT_EQ(skinMinimumFrameSize(layout, {300, 200, false, true}), (FrameSize{300, 42}));
    EXPECT_EQ(skinMinimumFrameSize(layout, {300, 200, true, false}), (FrameSize{188, 42}));
}

TEST(SkinFrameGeometry, ButtonsFollowTheirCornerAndTheCaptionStretchesAtEveryWidth) {
    SkinFrameLayout layout = storedLayout();
    for (int w : {188, 300, 560, 1920}) {
        SkinFrameGeometry g = skinFrameGeometry(layout, w, 400);
        auto place = [&](const FrameRect& r) { return placeFrameObject(layout, g, r); };
        EXPECT_EQ(place(kButtons[0].skin), (FrameRect{w - 30, 5, w - 7, 29})) << w;
        EXPECT_EQ(place(kButtons[1].skin), (FrameRect{w - 78, 5, w - 55, 29})) << w;
        for (int fixed = 3; fixed < 6; ++fixed) EXPECT_EQ(place(kButtons[fixed].skin), kButtons[fixed].skin) << kButtons[fixed].name << w;
        EXPECT_EQ(place({79, 3, 109, 30}), (FrameRect{79, 3, w - 79, 30})) << w;
    }
}

TEST(SkinFrameGeometry, ZoneEdgesAreOutsideTheZone) {
    SkinFrameLayout layout = storedLayout();
    SkinFrameGeometry g = skinFrameGeometry(layout, 288, 228);  // dx = dy = 100
    // Ends exactly on the top-left zone's right edge (89): spans into the gap, so it stays put.
    EXPECT_EQ(placeFrameObject(layout, g, {80, 5, 89, 20}), (FrameRect{80, 5, 89, 20}));
    // The bottom zones: a strip along the bottom stretches and moves down.
    EXPECT_EQ(placeFrameObject(layout, g, {2, 120, 180, 126}), (FrameRect{2, 220, 280, 226}));
    EXPECT_EQ(placeFrameObject(layout, g, {180, 120, 186, 126}), (FrameRect{280, 220, 286, 226}));
    EXPECT_EQ(placeFrameObject(layout, g, {2, 20, 8, 120}), (FrameRect{2, 20, 8, 220}));
}

namespace {

SkinHitContext hitContext(const SkinFrameGeometry& g, bool resizable) {
    SkinHitContext c;
    c.geometry = &g;
    c.borderWidth = 3;
    c.resizable = resizable;
    c.captionObjects = {{79, 3, g.width - 79, 30}};
    return c;
}

}  // namespace

TEST(SkinHitTest, ResizableFrameWithoutMask) {
    SkinFrameGeometry g = skinFrameGeometry(storedLayout(), 400, 300);
    SkinHitContext c = hitContext(g, true);
    EXPECT_EQ(skinHitTest(c, 1, 1), FrameHit::TopLeft);
    EXPECT_EQ(skinHitTest(c, 398, 2), FrameHit::TopRight);
    EXPECT_EQ(skinHitTest(c, 1, 298), FrameHit::BottomLeft);
    EXPECT_EQ(skinHitTest(c, 399, 299), FrameHit::BottomRight);
    EXPECT_EQ(skinHitTest(c, 200, 1), FrameHit::Top);
    EXPECT_EQ(skinHitTest(c, 200, 298), FrameHit::Bottom);
    EXPECT_EQ(skinHitTest(c, 0, 150), FrameHit::Left);
    EXPECT_EQ(skinHitTest(c, 398, 150), FrameHit::Right);
    EXPECT_EQ(skinHitTest(c, 200, 15), FrameHit::Caption);
    EXPECT_EQ(skinHitTest(c, 20, 15), FrameHit::Object);
    EXPECT_EQ(skinHitTest(c, 200, 150), FrameHit::Client);
    EXPECT_EQ(skinHitTest(c, 5, 150), FrameHit::Object);  // border, beyond the probe distance
    c.maximisedByFrame = true;
    EXPECT_EQ(skinHitTest(c, 200, 1), FrameHit::Object);
    c.maximisedByFrame = false;
    c.rolledUpOrMinimised = true;
    EXPECT_EQ(skinHitTest(c, 1, 1), FrameHit::Object);
    EXPECT_EQ(skinHitTest(c, 200, 150), FrameHit::Object);
    c.rolledUpOrMinimised = false;
    c.objectHot = true;
    EXPECT_EQ(skinHitTest(c, 1, 150), FrameHit::Object);
    EXPECT_EQ(skinHitTest(c, 200, 15), FrameHit::Caption);
    c.moveSizeLoop = true;
    EXPECT_EQ(skinHitTest(c, 1, 150), FrameHit::Left);
}

TEST(SkinHitTest, FixedMainWindowNeverAnswersAResizeZone) {
    SkinFrameGeometry g = skinFrameGeometry(storedLayout(), 560, 703);
    SkinHitContext c = hitContext(g, false);
    for (int x = 0; x < 560; x += 7) {
        for (int y : {0, 1, 2, 30, 350, 700, 702}) {
            FrameHit hit = skinHitTest(c, x, y);
            EXPECT_TRUE(hit == FrameHit::Caption || hit == FrameHit::Object || hit == FrameHit::Client) << x << "," << y;
        }
    }
    EXPECT_EQ(skinHitTest(c, 0, 350), FrameHit::Object);
    EXPECT_EQ(skinHitTest(c, 300, 350), FrameHit::Client);
}

namespace {

// A mask whose outline is cut one pixel in along every edge, except a 4-pixel notch at the top.
SkinBitmap ringMask(int w, int h) {
    SkinBitmap mask;
    mask.width = w;
    mask.height = h;
    mask.pixels.assign(static_cast<std::size_t>(w * h), 0xFFFFFFu);
    for (int y = 1; y < h - 1; ++y)
        for (int x = 1; x < w - 1; ++x)
            if (!(y < 3 && x >= 40 && x < 44)) mask.pixels[static_cast<std::size_t>(y * w + x)] = 0;
    return mask;
}

CompositionSource maskSource(const SkinFrameLayout& layout) {
    return {layout.pictureWidth, layout.pictureHeight, layout.formInfo.anchors, layout.formInfo.clientRect};
}

}  // namespace

TEST(WindowShape, RunsOfBlackRebuiltAtTheFrameSize) {
    SkinFrameLayout layout = storedLayout();
    SkinBitmap mask = ringMask(188, 128);
    SkinFrameGeometry g = skinFrameGeometry(layout, 400, 300);
    WindowShape shape(mask, maskSource(layout), g.maskRectArea, 400, 300);
    EXPECT_FALSE(shape.contains(0, 0));
    EXPECT_FALSE(shape.contains(399, 150));
    EXPECT_FALSE(shape.contains(200, 299));
    EXPECT_TRUE(shape.contains(1, 1));
    EXPECT_TRUE(shape.contains(398, 298));
    EXPECT_TRUE(shape.contains(2, 150));
    // The notch sits in the fixed top-left corner part and does not move with the width.
    EXPECT_FALSE(shape.contains(41, 1));
    EXPECT_TRUE(shape.contains(141, 1));
    // Row 1 of the top strip: left of the notch, right of it to the last pixel but one.
    int rowOneRuns = 0;
    for (const FrameRect& r : shape.runs()) {
        EXPECT_EQ(r.height(), 1);
        if (r.top == 1) ++rowOneRuns;
    }
    EXPECT_EQ(rowOneRuns, 2);
    // With a mask the probes look at the shape: the cut-away pixel beside the edge is outside.
    SkinHitContext c = hitContext(g, true);
    c.shape = &shape;
    EXPECT_EQ(skinHitTest(c, 2, 150), FrameHit::Left);
    EXPECT_EQ(skinHitTest(c, 8, 150), FrameHit::Object);
}

TEST(WindowShape, KeepsAtMostTheRunLimitPerStrip) {
    SkinFrameLayout layout = storedLayout();
    SkinBitmap mask;
    mask.width = 188;
    mask.height = 128;
    mask.pixels.resize(188 * 128);
    for (std::size_t i = 0; i < mask.pixels.size(); ++i) mask.pixels[i] = (i % 2) ? 0xFFFFFFu : 0;
    WindowShape shape(mask, maskSource(layout), {}, 5000, 300);
    std::size_t topRuns = 0;
    for (const FrameRect& r : shape.runs()) topRuns += r.bottom <= 32 ? 1 : 0;
    EXPECT_EQ(topRuns, static_cast<std::size_t>(WindowShape::kMaxRunsPerStrip));
}

TEST(FrameObjectRules, ButtonAvailabilityFollowsTheBorderIcons) {
    const TbsBorderIcons main{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize, TbsBorderIcon::biRollUp,
                              TbsBorderIcon::biMinimizeToTray};
    using C = TbsStdCommand;
    for (C command : {C::cmClose, C::cmMinimize, C::cmRollUp, C::cmSysMenu, C::cmMinimizeToTray})
        EXPECT_TRUE(buttonAvailability(command, main, false, false, false).enabled) << static_cast<int>(command);
    ObjectAvailability maximise = buttonAvailability(C::cmMaximize, main, false, false, false);
    EXPECT_FALSE(maximise.enabled);
    EXPECT_TRUE(maximise.visible);
    EXPECT_FALSE(buttonAvailability(C::cmMaximize, main, false, true, false).visible);
    for (C command : {C::cmMinimize, C::cmMaximize, C::cmRollUp, C::cmSysMenu, C::cmMinimizeToTray})
        EXPECT_FALSE(buttonAvailability(command, {}, false, false, false).enabled) << static_cast<int>(command);
    EXPECT_TRUE(buttonAvailability(C::cmClose, {}, false, false, false).enabled);
    EXPECT_FALSE(buttonAvailability(C::cmClose, main, true, false, false).enabled);
    EXPECT_FALSE(buttonAvailability(C::cmDefault, main, false, true, false).visible);
    EXPECT_TRUE(buttonAvailability(C::cmDefault, main, false, true, true).visible);
    EXPECT_EQ(defaultObjectHint(C::cmClose), "关闭");
    EXPECT_EQ(defaultObjectHint(C::cmMinimizeToTray), "最小化到图标");
    EXPECT_EQ(defaultObjectHint(C::cmDefault), "");
}

TEST(FrameObjectRules, MorphTakesFiveTicksEachWay) {
    double f = 0;
    int ticks = 0;
    while (morphPending(f, true)) f = nextMorphFactor(f, true), ++ticks;
    EXPECT_EQ(ticks, 5);
    EXPECT_DOUBLE_EQ(f, 1.0);
    ticks = 0;
    while (morphPending(f, false)) f = nextMorphFactor(f, false), ++ticks;
    EXPECT_EQ(ticks, 5);
    EXPECT_DOUBLE_EQ(f, 0.0);
}

TEST(FrameObjectRules, LookChoiceOrder) {
    ButtonLookState s;
    s.hasActiveRect = true;
    EXPECT_EQ(buttonLook(s), ButtonLook::Normal);
    s.hot = true;
    EXPECT_EQ(buttonLook(s), ButtonLook::Hot);
    s.morphing = true;
    s.morphFactor = 0.4;
    EXPECT_EQ(buttonLook(s), ButtonLook::Morph);
    s.windowActive = false;
    s.hasInactiveRect = true;
    EXPECT_EQ(buttonLook(s), ButtonLook::Inactive);
    s.down = true;
    s.hasDownRect = true;
    EXPECT_EQ(buttonLook(s), ButtonLook::Down);
    s.enabled = false;
    s.hasDisabledRect = true;
    EXPECT_EQ(buttonLook(s), ButtonLook::Disabled);
    s.enabled = true;
    s.windowActive = true;
    s.inRestoreState = true;
    s.hasRestoreRect = true;
    s.hasRestoreDownRect = true;
    EXPECT_EQ(buttonLook(s), ButtonLook::RestoreDown);
    s.down = false;
    s.morphing = false;
    s.hasRestoreActiveRect = true;
    EXPECT_EQ(buttonLook(s), ButtonLook::RestoreHot);
}

TEST(FrameObjectRules, BlendOnlyWhileTheMorphIsUnderWay) {
    ButtonLookState s;
    s.hasActiveRect = true;
    s.morphing = true;
    s.hot = true;
    s.morphFactor = 0.6;
    EXPECT_EQ(buttonLook(s), ButtonLook::Morph);
    s.morphFactor = 1.0;
    EXPECT_EQ(buttonLook(s), ButtonLook::Hot);
    // Pressing jumps to 1; without a down picture the hot one shows whole.
    s.down = true;
    EXPECT_EQ(buttonLook(s), ButtonLook::Hot);
    s.down = false;
    s.hot = false;
    EXPECT_EQ(buttonLook(s), ButtonLook::Morph);
    s.morphFactor = 0.0;
    EXPECT_EQ(buttonLook(s), ButtonLook::Normal);

    s.inRestoreState = s.hasRestoreRect = s.hasRestoreActiveRect = true;
    s.hot = true;
    s.morphFactor = 0.4;
    EXPECT_EQ(buttonLook(s), ButtonLook::RestoreMorph);
    s.morphFactor = 1.0;
    EXPECT_EQ(buttonLook(s), ButtonLook::RestoreHot);
}

namespace {

PixelBlock block(int w, int h, std::uint32_t colour) { return {w, h, std::vector<std::uint32_t>(static_cast<std::size_t>(w * h), colour)}; }

}  // namespace

TEST(MorphBlend, DefaultMixesEveryPixelAndRounds) {
    PixelBlock normal = block(3, 2, 0x000000), hot = block(3, 2, 0xFF6401);
    PixelBlock out = blendMorph(TbsMorphKind::mkDefault, normal, hot, 0.5);
    EXPECT_EQ(out.at(2, 1), 0x803201u);  // 127.5 -> 128, 50, 0.5 -> 1 (rounded half away from zero)
    EXPECT_EQ(blendMorph(TbsMorphKind::mkDefault, normal, hot, 0.0).at(0, 0), 0x000000u);
    EXPECT_EQ(blendMorph(TbsMorphKind::mkDefault, normal, hot, 1.0).at(0, 0), 0xFF6401u);
}

TEST(MorphBlend, LeftGradientSweepsInFromTheLeftAndRightIsItsMirror) {
    PixelBlock normal = block(23, 2, 0x000000), hot = block(23, 2, 0xC8C8C8);
    PixelBlock out = blendMorph(TbsMorphKind::mkLeftGradient, normal, hot, 0.2);  // a = round(4.6) = 5
    EXPECT_EQ(out.at(0, 1), 0xC8C8C8u);
    EXPECT_EQ(out.at(1, 0), mixPixels(0, 0xC8C8C8, 0.2));
    EXPECT_EQ(out.at(4, 0), mixPixels(0, 0xC8C8C8, 0.8));
    for (int x = 5; x < 23; ++x) EXPECT_EQ(out.at(x, 0), 0u) << x;
    PixelBlock right = blendMorph(TbsMorphKind::mkRightGradient, normal, hot, 0.2);
    for (int x = 0; x < 23; ++x) EXPECT_EQ(right.at(22 - x, 1), out.at(x, 1)) << x;
    // At the ends a stays between 1 and width - 1: a full factor still leaves the last column normal.
    PixelBlock full = blendMorph(TbsMorphKind::mkLeftGradient, normal, hot, 1.0);
    EXPECT_EQ(full.at(0, 0), 0xC8C8C8u);
    EXPECT_EQ(full.at(22, 0), 0u);
}

TEST(FrameObjectRules, CaptionElisionAndPlacement) {
    // Each character 10 wide, "..." 9 wide.
    auto widthOf = [](int n, bool dots) { return n * 10 + (dots ? 9 : 0); };
    EXPECT_EQ(captionCharactersThatFit(6, 60, widthOf), 6);
    EXPECT_EQ(captionCharactersThatFit(6, 59, widthOf), 5);
    EXPECT_EQ(captionCharactersThatFit(6, 58, widthOf), 4);
    EXPECT_EQ(captionCharactersThatFit(6, 5, widthOf), 0);
    FrameRect text{9, 0, 21 + 372, 27};
    EXPECT_EQ(captionTextOrigin(text, TbsTextAlignment::taCenter, 100, 21, {79, 3}), (FramePoint{79 + 9 + 142, 3 + 3}));
    EXPECT_EQ(captionTextOrigin(text, TbsTextAlignment::taLeftJustify, 100, 21, {79, 3}).x, 88);
    EXPECT_EQ(captionTextOrigin(text, TbsTextAlignment::taRightJustify, 100, 21, {79, 3}).x, 79 + 393 - 100);
}

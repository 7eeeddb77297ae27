#include <gtest/gtest.h>

#include <set>

#include "skin/model/inactive_effect.h"

using namespace veyrin;

namespace {

// Two rows of three pixels, one padding pixel per row that no effect may touch.
struct Plane {
    std::vector<std::uint32_t> pixels;
    explicit Plane(std::vector<std::uint32_t> p) : pixels(std::move(p)) {}
    std::vector<std::uint32_t> after(TbsInactiveEffect effect) {
        std::vector<std::uint32_t> copy = pixels;
        applyInactiveEffect({copy.data(), 3, 2, 4}, effect);
        return copy;
    }
};

const std::vector<std::uint32_t> kMixed = {0xFF000000, 0xFFFFFFFF, 0xFF204060, 0x12345678,
                                           0xFF804020, 0xFF0A0B0C, 0x00FF0000, 0x12345678};

}  // namespace

TEST(InactiveEffect, ColourEffectsFollowTheirFormulasAndKeepTheTopByte) {
    Plane p(kMixed);
    EXPECT_EQ(p.after(TbsInactiveEffect::ieBrightness),
              (std::vector<std::uint32_t>{0xFF7F7F7F, 0xFFFFFFFF, 0xFF8F9FAF, 0x12345678, 0xFFBF9F8F, 0xFF848585,
                                          0x00FF7F7F, 0x12345678}));
    EXPECT_EQ(p.after(TbsInactiveEffect::ieDarkness),
              (std::vector<std::uint32_t>{0xFF000000, 0xFFB3B3B3, 0xFF172D44, 0x12345678, 0xFF5A2D17, 0xFF070809,
                                          0x00B30000, 0x12345678}));
    EXPECT_EQ(p.after(TbsInactiveEffect::ieGrayScale),
              (std::vector<std::uint32_t>{0xFF000000, 0xFFFFFFFF, 0xFF393939, 0x12345678, 0xFF4F4F4F, 0xFF0A0A0A,
                                          0x004C4C4C, 0x12345678}));
    EXPECT_EQ(p.after(TbsInactiveEffect::ieInvert),
              (std::vector<std::uint32_t>{0xFFFFFFFF, 0xFF000000, 0xFFDFBF9F, 0x12345678, 0xFF7FBFDF, 0xFFF5F4F3,
                                          0x0000FFFF, 0x12345678}));
}

TEST(InactiveEffect, SplitBlurSpreadsAPointToItsDiagonals) {
    std::vector<std::uint32_t> plane(25, 0xFF000000);
    plane[12] = 0xFF0000C8;
    applyInactiveEffect({plane.data(), 5, 5, 5}, TbsInactiveEffect::ieSplitBlur);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x) {
            const bool diagonal = (x == 1 || x == 3) && (y == 1 || y == 3);
            EXPECT_EQ(plane[static_cast<std::size_t>(y * 5 + x)], diagonal ? 0xFF000032u : 0xFF000000u) << x << "," << y;
        }
}

TEST(InactiveEffect, NoiseIsBoundedVariedAndRepeatable) {
    std::vector<std::uint32_t> grey(64 * 64, 0xFF808080);
    applyInactiveEffect({grey.data(), 64, 64, 64}, TbsInactiveEffect::ieNoise);
    std::set<int> offsets;
    for (std::uint32_t p : grey) {
        const int r = static_cast<int>((p >> 16) & 0xFF), g = static_cast<int>((p >> 8) & 0xFF);
        EXPECT_EQ(r, g);
        EXPECT_GE(r - 0x80, -kInactiveNoiseAmount / 2);
        EXPECT_LT(r - 0x80, kInactiveNoiseAmount / 2);
        offsets.insert(r - 0x80);
    }
    EXPECT_GT(offsets.size(), 40u);
    std::vector<std::uint32_t> again(64 * 64, 0xFF808080);
    applyInactiveEffect({again.data(), 64, 64, 64}, TbsInactiveEffect::ieNoise);
    EXPECT_EQ(again, grey);
}

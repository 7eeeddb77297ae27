#include <gtest/gtest.h>

#include <map>

#include "controls/model/nine_patch.h"

using namespace veyrin;
using Part = NinePatchPiece::Part;

namespace {

std::map<Part, NinePatchPiece> piecesByPart(int W, int H, int DW, int DH) {
    std::map<Part, NinePatchPiece> byPart;
    for (const NinePatchPiece& piece : ninePatchPieces(W, H, DW, DH)) byPart.emplace(piece.part, piece);
    return byPart;
}

// Which skin pixel lands on each target pixel, applying the pieces in order as the drawing does.
struct Origin {
    int x = -1, y = -1;
};
std::vector<std::vector<Origin>> compose(int W, int H, int DW, int DH) {
    std::vector<std::vector<Origin>> grid(DH, std::vector<Origin>(DW));
    for (const NinePatchPiece& p : ninePatchPieces(W, H, DW, DH))
        for (int ty = p.target.top; ty < p.target.bottom; ++ty)
            for (int tx = p.target.left; tx < p.target.right; ++tx) {
                int sx = p.source.left + (tx - p.target.left) * p.source.width() / p.target.width();
                int sy = p.source.top + (ty - p.target.top) * p.source.height() / p.target.height();
                grid[ty][tx] = {sx, sy};
            }
    return grid;
}

}  // namespace

TEST(NinePatch, LookupButtonCornersFromWinXpFrame) {
    auto p = piecesByPart(18, 21, 73, 23);
    EXPECT_EQ(p.at(Part::TopLeft).target, rectAt(0, 0, 9, 10));
    EXPECT_EQ(p.at(Part::TopLeft).source, rectAt(0, 0, 9, 10));
    EXPECT_EQ(p.at(Part::BottomLeft).target, rectAt(0, 14, 9, 9));
    EXPECT_EQ(p.at(Part::BottomLeft).source, rectAt(0, 12, 9, 9));
    EXPECT_EQ(p.at(Part::TopRight).target, rectAt(65, 0, 8, 10));
    EXPECT_EQ(p.at(Part::TopRight).source, rectAt(10, 0, 8, 10));
    EXPECT_EQ(p.at(Part::BottomRight).target, rectAt(65, 14, 8, 9));
    EXPECT_EQ(p.at(Part::BottomRight).source, rectAt(10, 12, 8, 9));
    for (Part corner : {Part::TopLeft, Part::BottomLeft, Part::TopRight, Part::BottomRight})
        EXPECT_FALSE(p.at(corner).stretched);
}

TEST(NinePatch, LookupButtonEdgesRepeatTheMiddleRowsAndColumn) {
    auto p = piecesByPart(18, 21, 73, 23);
    EXPECT_EQ(p.at(Part::LeftEdge).source, (PixelRect{0, 10, 9, 11}));
    EXPECT_EQ(p.at(Part::LeftEdge).target, (PixelRect{0, 10, 9, 14}));
    EXPECT_EQ(p.at(Part::RightEdge).source, (PixelRect{10, 11, 18, 12}));
    EXPECT_EQ(p.at(Part::RightEdge).target, (PixelRect{65, 10, 73, 14}));
    EXPECT_EQ(p.at(Part::TopEdge).source, (PixelRect{9, 0, 10, 10}));
    EXPECT_EQ(p.at(Part::TopEdge).target, (PixelRect{9, 0, 65, 10}));
    EXPECT_EQ(p.at(Part::Centre).source, (PixelRect{9, 10, 10, 11}));
    EXPECT_EQ(p.at(Part::Centre).target, (PixelRect{9, 10, 65, 13}));
    EXPECT_EQ(p.at(Part::BottomEdge).source, (PixelRect{9, 11, 10, 21}));
    EXPECT_EQ(p.at(Part::BottomEdge).target, (PixelRect{8, 13, 65, 23}));
}

TEST(NinePatch, EveryTargetPixelIsCovered) {
    for (auto [W, H, DW, DH] : {std::array{18, 21, 73, 23}, std::array{84, 23, 80, 27}, std::array{77, 27, 200, 40},
                                std::array{74, 21, 74, 21}}) {
        auto grid = compose(W, H, DW, DH);
        for (int y = 0; y < DH; ++y)
            for (int x = 0; x < DW; ++x) ASSERT_GE(grid[y][x].x, 0) << W << "x" << H << " -> " << x << "," << y;
    }
}

TEST(NinePatch, SameSizeReproducesTheSkinAwayFromTheSeams) {
    // The middle band (rows 11 and 12 of a 23-high skin) repeats one skin row, and the bottom
    // edge starts one column left of its seam; everything else lands where it was.
    auto grid = compose(84, 23, 84, 23);
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 84; ++x) {
            if (y == 11 || y == 12 || (x == 41 && y > 12)) continue;
            EXPECT_EQ(grid[y][x].x, x) << x << "," << y;
            EXPECT_EQ(grid[y][x].y, y) << x << "," << y;
        }
}

TEST(NinePatch, SmallTargetsShrinkCornersAndSkipEmptyPieces) {
    auto p = piecesByPart(84, 23, 10, 4);
    EXPECT_EQ(p.at(Part::TopLeft).target, rectAt(0, 0, 5, 2));
    EXPECT_EQ(p.at(Part::BottomLeft).target, rectAt(0, 3, 5, 1));
    EXPECT_EQ(p.at(Part::TopRight).target, rectAt(6, 0, 4, 2));
    EXPECT_EQ(p.at(Part::TopRight).source, rectAt(80, 0, 4, 2));
    EXPECT_EQ(p.count(Part::LeftEdge), 1u);
    for (const NinePatchPiece& piece : ninePatchPieces(84, 23, 1, 1)) {
        EXPECT_FALSE(piece.target.isEmpty());
        EXPECT_FALSE(piece.source.isEmpty());
    }
    EXPECT_TRUE(ninePatchPieces(0, 0, 73, 23).empty());
    EXPECT_TRUE(ninePatchPieces(18, 21, 0, 0).empty());
}

TEST(FrameRect, FramesOfAStrip) {
    EXPECT_EQ(frameRect(54, 21, 3, 1), rectAt(0, 0, 18, 21));
    EXPECT_EQ(frameRect(54, 21, 3, 3), rectAt(36, 0, 18, 21));
    EXPECT_EQ(frameRect(64, 17, 4, 2), rectAt(16, 0, 16, 17));
    EXPECT_EQ(frameRect(64, 17, 0, 2), rectAt(0, 0, 64, 17));
}

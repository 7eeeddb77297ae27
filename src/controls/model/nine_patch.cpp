#include "controls/model/nine_patch.h"

#include <algorithm>

namespace veyrin {

PixelRect frameRect(int stripWidth, int stripHeight, int count, int index) {
    if (count <= 0) return {0, 0, stripWidth, stripHeight};
    int frameWidth = stripWidth / count;
    return {(index - 1) * frameWidth, 0, index * frameWidth, stripHeight};
}

namespace {

using Part = NinePatchPiece::Part;

PixelRect clippedTo(PixelRect r, int width, int height) {
    return {std::max(r.left, 0), std::max(r.top, 0), std::min(r.right, width), std::min(r.bottom, height)};
}

void addPiece(std::vector<NinePatchPiece>& pieces, Part part, PixelRect source, PixelRect target, bool stretched) {
    if (source.isEmpty() || target.isEmpty()) return;
    pieces.push_back({part, source, target, stretched});
}

struct Size {
    int width;
    int height;
};

Size clampedSize(int width, int height) { return {std::max(width, 0), std::max(height, 0)}; }

}  // namespace

std::vector<NinePatchPiece> ninePatchPieces(int W, int H, int DW, int DH) {
    std::vector<NinePatchPiece> pieces;
    const int w2 = W / 2, h2 = H / 2, dw2 = DW / 2, dh2 = DH / 2;

    // Corners: no larger than their piece of the skin nor their share of the target; the right
    // and bottom pieces are one pixel narrower so that the odd middle column/row stays in the
    // stretched band.
    const Size c1 = clampedSize(std::min(w2, dw2), std::min(h2, dh2));
    const Size c2 = clampedSize(std::min(w2, dw2), std::min(h2 - 1, dh2 - 1));
    const Size c4 = clampedSize(std::min(w2 - 1, dw2 - 1), std::min(h2, dh2));
    const Size c5 = clampedSize(std::min(w2 - 1, dw2 - 1), std::min(h2 - 1, dh2 - 1));

    addPiece(pieces, Part::TopLeft, rectAt(0, 0, c1.width, c1.height), rectAt(0, 0, c1.width, c1.height), false);
    addPiece(pieces, Part::BottomLeft, {0, H - c2.height, c2.width, H}, {0, DH - c2.height, c2.width, DH}, false);
    addPiece(pieces, Part::LeftEdge, {0, h2, std::min(w2, c1.width), H - h2},
             {0, c1.height, c1.width, DH - c2.height}, true);

    addPiece(pieces, Part::TopRight, {W - c4.width, 0, W, c4.height}, {DW - c4.width, 0, DW, c4.height}, false);
    addPiece(pieces, Part::BottomRight, {W - c5.width, H - c5.height, W, H}, {DW - c5.width, DH - c5.height, DW, DH},
             false);
    addPiece(pieces, Part::RightEdge, {W - std::min(w2 - 1, c4.width), H - h2, W, h2 + 2},
             {DW - c4.width, c4.height, DW, DH - c5.height}, true);

    addPiece(pieces, Part::TopEdge, {w2, 0, W - w2 + 1, std::min(h2, c1.height)}, {c1.width, 0, DW - c4.width, c1.height},
             true);
    addPiece(pieces, Part::Centre, {w2, h2, W - w2 + 1, H - h2},
             {c1.width, c1.height, DW - c4.width, DH - c5.height - 1}, true);

    // One column left of corner 1 and one row above corner 2; on a target too small for corners
    // that would reach outside it.
    const PixelRect bottomTarget = clippedTo({c1.width - 1, DH - c2.height - 1, DW - c5.width, DH}, DW, DH);
    addPiece(pieces, Part::BottomEdge, {w2, std::max(H - h2, H - bottomTarget.height()), W - w2 + 1, H}, bottomTarget,
             true);
    return pieces;
}

}  // namespace veyrin

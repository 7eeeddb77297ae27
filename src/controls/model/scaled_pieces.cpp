#include "controls/model/scaled_pieces.h"

#include <algorithm>

namespace veyrin {

namespace {
int validScale(int scale) { return std::max(scale, 1); }
}  // namespace

PixelRect scaledFrameRect(int stripWidth, int stripHeight, int count, int index, int scale) {
    const int s = validScale(scale);
    return scaledBy(frameRect(stripWidth / s, stripHeight / s, count, index), s);
}

std::vector<NinePatchPiece> scaledNinePatchPieces(int skinWidth, int skinHeight, int targetWidth, int targetHeight,
                                                  int scale) {
    const int s = validScale(scale);
    std::vector<NinePatchPiece> pieces = ninePatchPieces(skinWidth / s, skinHeight / s, targetWidth, targetHeight);
    for (NinePatchPiece& piece : pieces) {
        piece.source = scaledBy(piece.source, s);
        piece.target = scaledBy(piece.target, s);
    }
    return pieces;
}

}  // namespace veyrin

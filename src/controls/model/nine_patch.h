#pragma once
// How a skin frame is cut into corners, edges and a centre and laid over a larger (or smaller)
// target: the pieces in drawing order, each with its source and target rectangles.

#include <vector>

#include "controls/model/pixel_rect.h"

namespace veyrin {

struct NinePatchPiece {
    enum class Part { TopLeft, BottomLeft, LeftEdge, TopRight, BottomRight, RightEdge, TopEdge, Centre, BottomEdge };
    Part part;
    PixelRect source;  // in the skin frame
    PixelRect target;  // in the target, relative to its top-left
    bool stretched;    // corners are copied 1:1; edges and the centre are stretched
};

// Pieces whose size comes out empty are left out.
std::vector<NinePatchPiece> ninePatchPieces(int skinWidth, int skinHeight, int targetWidth, int targetHeight);

}  // namespace veyrin

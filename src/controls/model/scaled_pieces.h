#pragma once
// Theme pictures drawn for a denser screen are exactly `scale` times the size of the 1x ones, so
// every cut is made at the theme's own (design-pixel) coordinates and then multiplied: a frame or
// a nine-patch piece is always a whole block of device pixels, and the pieces of a 2x picture
// line up with those of the 1x one block for block.

#include <vector>

#include "controls/model/nine_patch.h"
#include "controls/model/pixel_rect.h"

namespace veyrin {

constexpr PixelRect scaledBy(const PixelRect& r, int scale) {
    return {r.left * scale, r.top * scale, r.right * scale, r.bottom * scale};
}

// frameRect for a strip drawn at `scale`; the strip's size is in device pixels.
PixelRect scaledFrameRect(int stripWidth, int stripHeight, int count, int index, int scale);

// ninePatchPieces for a skin drawn at `scale` laid over a target of the given design size; the
// skin's size is in device pixels, and every source and target rectangle comes out in device
// pixels.
std::vector<NinePatchPiece> scaledNinePatchPieces(int skinWidth, int skinHeight, int targetWidth, int targetHeight,
                                                  int scale);

}  // namespace veyrin

#pragma once
// The skin at a whole-number scale: 2x and 3x windows cut the same skin.ini coordinates out of
// pictures that many times larger, so every design pixel stays a whole block of device pixels.

#include <string>

#include "skin/model/frame_rect.h"
#include "skin/model/skin_bitmap.h"

namespace veyrin {

// A window's skin scale is `pictureScale` of its device pixel ratio (platform/model/screen_scale):
// the same whole number, 1 to 3, that picks every other picture.

// A skin rectangle in a picture `scale` times larger.
FrameRect scaledSkinRect(const FrameRect& rect, int scale);

// `bitmap` with each pixel repeated into a `scale` x `scale` block (a skin with no picture drawn
// for that scale); the stored file bytes are not kept.
SkinBitmap enlargedBitmap(const SkinBitmap& bitmap, int scale);

// The file that holds picture `name` drawn at `scale`: "frame.bmp" at 2 is "frame@2x.bmp".
std::string scaledPictureName(const std::string& name, int scale);

}  // namespace veyrin

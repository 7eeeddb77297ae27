#pragma once
// How a skin picture is composed to another size by its anchor points: fixed corners, and the
// parts between the anchors repeated (or stretched, by the edge's stretch flag) to fill the new
// size. The frame draws the four strips around its client area this way; the hint and popup
// windows compose their whole picture, the inner rectangle repeated over the middle.

#include <vector>

#include "skin/model/frame_rect.h"
#include "skin/model/skin_data.h"

namespace veyrin {

struct PictureCopy {
    enum class Mode { Copy, Tile, Stretch };
    FrameRect source;  // in the skin picture
    FrameRect target;  // in the composed picture
    Mode mode = Mode::Copy;  // Tile repeats the source from the target's top-left, the last copy cut
    friend bool operator==(const PictureCopy&, const PictureCopy&) = default;
};

enum class FrameStrip { Top, Left, Right, Bottom };

struct CompositionSource {
    int width = 0, height = 0;  // the skin picture
    SkinAnchors anchors;
    FrameRect inner;            // the client (or items) rectangle of the picture
};

// The rectangle a strip takes in a composed picture of `width` x `height`.
FrameRect stripRect(const CompositionSource& source, FrameStrip strip, int width, int height);

// The copies that build one strip, with targets in the composed picture's coordinates. Parts that
// come out empty are left out; the right or lower corner is copied last.
std::vector<PictureCopy> stripCopies(const CompositionSource& source, FrameStrip strip, int width, int height);

// The whole picture at `width` x `height`: the four strips and the inner rectangle repeated over
// the scaled inner rectangle.
std::vector<PictureCopy> composedPictureCopies(const CompositionSource& source, int width, int height);

}  // namespace veyrin

#pragma once
// Where a themed check box or radio button puts its box picture, caption and focus mark, and the
// size it takes when it sizes itself to picture and caption.

#include "controls/model/pixel_rect.h"

namespace veyrin {

struct CheckBoxMetrics {
    int pictureWidth = 0;
    int pictureHeight = 0;
    int lineHeight = 0;    // text height of "W" in the control's font
    int captionWidth = 0;  // text width of the caption in the control's font
};

struct ControlSize {
    int width = 0;
    int height = 0;
    friend constexpr bool operator==(const ControlSize&, const ControlSize&) = default;
};

ControlSize checkBoxAutoSize(const CheckBoxMetrics& m);

struct CheckBoxLayout {
    PixelRect picture;
    PixelRect caption;    // drawn left-aligned, one line, from its top-left
    PixelRect focusMark;  // dotted rectangle
};

CheckBoxLayout checkBoxLayout(const CheckBoxMetrics& m, int width, int height);

// Box picture frame (1-based, of 4): checked 1, unchecked 2, checked and disabled 3, unchecked
// and disabled 4.
int checkBoxFrame(bool checked, bool enabled);

}  // namespace veyrin

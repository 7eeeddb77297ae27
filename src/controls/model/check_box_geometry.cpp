#include "controls/model/check_box_geometry.h"

#include <algorithm>

namespace veyrin {

ControlSize checkBoxAutoSize(const CheckBoxMetrics& m) {
    return {m.pictureWidth + m.captionWidth + 8, std::max(m.lineHeight + 2, m.pictureHeight) + 4};
}

CheckBoxLayout checkBoxLayout(const CheckBoxMetrics& m, int width, int height) {
    CheckBoxLayout layout;
    layout.picture = rectAt(1, (height - m.pictureHeight) / 2, m.pictureWidth, m.pictureHeight);
    const int captionTop = (height - m.lineHeight) / 2;
    layout.caption = {m.pictureWidth + 4, captionTop, width, height};
    layout.focusMark = {m.pictureWidth + 3, captionTop, width, captionTop + m.lineHeight + 2};
    return layout;
}

int checkBoxFrame(bool checked, bool enabled) {
    if (checked) return enabled ? 1 : 3;
    return enabled ? 2 : 4;
}

}  // namespace veyrin

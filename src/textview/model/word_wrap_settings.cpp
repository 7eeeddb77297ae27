#include "textview/model/word_wrap_settings.h"

#include <algorithm>

#include "textview/model/word_wrap_plugin.h"

namespace veyrin {

int wrapColumnFor(const TSynWordWrap& wordWrap, int charsInWindow, int rightEdgePosition) {
    int column = charsInWindow;
    if (wordWrap.Style() == wwsRightEdge) column = rightEdgePosition;
    if (wordWrap.Style() == wwsSpecified) column = wordWrap.Position();
    return std::clamp(column, 0, TSynWordWrapPlugin::kMaxRowLength);
}

}  // namespace veyrin

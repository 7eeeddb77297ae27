#include "textview/model/drag_scroll.h"

#include <algorithm>

namespace veyrin {

int dragScrollRows(int y, int areaHeight, int rowHeight, int linesInWindow, bool shift) {
    const int step = std::max(1, rowHeight);
    int distance = 0;
    if (y < 0) distance = y;
    else if (y >= areaHeight) distance = y - areaHeight + 1;
    if (distance == 0) return 0;
    const int direction = distance < 0 ? -1 : 1;
    if (shift) return direction * std::max(1, linesInWindow);
    return direction * (1 + (direction * distance - 1) / step);
}

bool isOutsideTextArea(int x, int y, int textLeft, int areaWidth, int areaHeight) {
    return x < textLeft || x >= areaWidth || y < 0 || y >= areaHeight;
}

}  // namespace veyrin

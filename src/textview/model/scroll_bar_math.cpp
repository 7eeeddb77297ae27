#include "textview/model/scroll_bar_math.h"

#include <algorithm>
#include <cstdint>

namespace veyrin {

int mulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    bool negative = (product < 0) != (c < 0);
    std::int64_t magnitude = ((product < 0 ? -product : product) + divisor / 2) / divisor;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

TScrollBarInfo verticalScrollBarInfo(int rowCount, int linesInWindow, int topLine) {
    TScrollBarInfo info;
    int range = std::max(rowCount, 1);
    if (range <= kMaxScrollRange) {
        info.min = 1;
        info.max = range;
        info.page = linesInWindow;
        info.position = topLine;
    } else {
        info.min = 0;
        info.max = kMaxScrollRange;
        info.page = mulDiv(linesInWindow, kMaxScrollRange, range);
        info.position = mulDiv(topLine, kMaxScrollRange, range);
    }
    info.arrowsEnabled = !(linesInWindow >= range && topLine == 1);
    return info;
}

int topLineFromThumb(int position, int rowCount, int linesInWindow) {
    if (rowCount <= kMaxScrollRange) return position;
    return mulDiv(rowCount + linesInWindow - 1, position, kMaxScrollRange);
}

int TWheelAccumulator::add(int delta) {
    constexpr int kWheelDelta = 120;
    accumulated_ += delta;
    int steps = accumulated_ / kWheelDelta;
    accumulated_ -= steps * kWheelDelta;
    return steps;
}

int wheelScrollRows(int steps, int wheelScrollLines, bool ctrlHeld, int linesInWindow) {
    constexpr int kPageScroll = -1;
    int perStep = (ctrlHeld || wheelScrollLines == kPageScroll) ? linesInWindow
                                                               : std::min(wheelScrollLines, linesInWindow);
    return steps * std::max(perStep, 1);
}

}  // namespace veyrin

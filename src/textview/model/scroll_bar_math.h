#pragma once
// The vertical scroll bar's range, page and position for a number of display rows. Bars hold at most
// 32767 steps, so from 32768 rows on everything is scaled to that range.

namespace veyrin {

struct TScrollBarInfo {
    int min = 1;
    int max = 1;
    int page = 0;
    int position = 1;
    bool arrowsEnabled = true;
};

constexpr int kMaxScrollRange = 32767;

TScrollBarInfo verticalScrollBarInfo(int rowCount, int linesInWindow, int topLine);

// The top line for a thumb position (scaled back when the range was scaled).
int topLineFromThumb(int position, int rowCount, int linesInWindow);

// a * b / c rounded to the nearest integer, computed without overflow.
int mulDiv(int a, int b, int c);

// Wheel units come in multiples of 120 per notch, or finer; each full 120 is one step.
class TWheelAccumulator {
public:
    // Adds the delta and answers the number of whole steps to scroll (positive = towards the top).
    int add(int delta);

private:
    int accumulated_ = 0;
};

// Rows to scroll for some wheel steps: the system's lines per notch (a page when Ctrl is held, or
// when the system asks for page scrolling), at most a window's worth per step.
int wheelScrollRows(int steps, int wheelScrollLines, bool ctrlHeld, int linesInWindow);

}  // namespace veyrin

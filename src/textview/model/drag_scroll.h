#pragma once
// While a selection is dragged past the edge of the text area, a timer scrolls the view towards the
// mouse: the farther out, the faster (one row per row height of distance, plus one), or a whole
// page per tick with Shift held.

namespace veyrin {

// Rows to scroll on one tick for a mouse at `y` in a text area `areaHeight` pixels high: negative
// above it, positive below it, 0 inside.
int dragScrollRows(int y, int areaHeight, int rowHeight, int linesInWindow, bool shift);

// Whether the point lies outside the text area, so the timer should run.
bool isOutsideTextArea(int x, int y, int textLeft, int areaWidth, int areaHeight);

}  // namespace veyrin

#pragma once
// Rectangles and points of the frame and the skin pictures. Right and bottom are exclusive.

namespace veyrin {

struct FrameRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    // A skin rectangle whose width or height is below 1 counts as absent.
    constexpr bool isAbsent() const { return width() < 1 || height() < 1; }
    constexpr FrameRect translated(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    friend constexpr bool operator==(const FrameRect&, const FrameRect&) = default;
};

struct FramePoint {
    int x = 0, y = 0;
    // A skin point with X = 0 or Y = 0 counts as absent.
    constexpr bool isAbsent() const { return x == 0 || y == 0; }
    friend constexpr bool operator==(const FramePoint&, const FramePoint&) = default;
};

}  // namespace veyrin

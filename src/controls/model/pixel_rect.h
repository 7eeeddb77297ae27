#pragma once
// A rectangle in pixels with exclusive right and bottom edges, as the drawing arithmetic uses it.

namespace veyrin {

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr bool isEmpty() const { return width() <= 0 || height() <= 0; }
    constexpr bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    friend constexpr bool operator==(const PixelRect&, const PixelRect&) = default;
};

constexpr PixelRect rectAt(int left, int top, int width, int height) {
    return {left, top, left + width, top + height};
}

// Frame `index` (1-based) of `count` equal frames laid side by side in a strip `stripWidth` wide.
// A count of 0 or less stands for the whole strip.
PixelRect frameRect(int stripWidth, int stripHeight, int count, int index);

}  // namespace veyrin

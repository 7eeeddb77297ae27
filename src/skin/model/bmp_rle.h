#pragma once
// The run-length forms of BMP files (8 bits per pixel, or 4 bits per pixel with two palette
// indexes per byte): runs of one index, literal stretches, line ends, jumps and the picture's end.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veyrin {

// Pixels a jump or an early line end passes over; they have no palette colour and paint black.
inline constexpr std::uint16_t kSkippedRlePixel = 0xFFFF;

// The palette index of every pixel, top row first (the rows are stored bottom-up). A command cut
// off by the end of the data throws AppError(kInvalidBitmapMessage); data that ends without the
// picture's end mark keeps what was read. Runs past the right edge are cut at it.
std::vector<std::uint16_t> decodeBmpRle(std::string_view data, int width, int height, int bitsPerPixel);

// Encodes `indexes` (top row first, each below 1 << bitsPerPixel) as runs where a row repeats an
// index and literal stretches where it does not, one line-end mark per row and the end mark.
std::string encodeBmpRle(const std::vector<std::uint8_t>& indexes, int width, int height, int bitsPerPixel);

}  // namespace veyrin

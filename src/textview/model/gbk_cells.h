#pragma once
// Where double-byte characters begin and end inside a run of GBK bytes, counted from a position known
// to start a character (a line or row start).

#include <string_view>

namespace veyrin {

// True when the byte at `pos` is the trail byte of a double-byte character, counting characters from
// `from`. Only the run of lead-range bytes just before `pos` needs looking at: any byte outside
// 0x81..0xFE (a single-byte character or a trail byte) is always followed by a character start.
bool isTrailByteAt(std::string_view text, size_t from, size_t pos);

}  // namespace veyrin

#pragma once
// GBK <-> UTF-8 for the places that are not Qt: file names on disk and text constants written in
// the source as UTF-8. Widgets use the Qt converters in platform/ui/gbk_qt.h instead.

#include <cstddef>
#include <string>
#include <string_view>

namespace veyrin::gbk {

// GBK lead bytes are 0x81..0xFE; the byte after a lead byte is its trail byte.
constexpr bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Trail bytes are 0x40..0xFE except 0x7F, so a CR, LF, 0x00 or '=' is never part of a pair.
constexpr bool isTrailByte(unsigned char byte) { return byte >= 0x40 && byte <= 0xFE && byte != 0x7F; }

// Bytes taken by the character starting at `pos`: 2 for a lead byte followed by a trail byte,
// otherwise 1 (a stray lead byte stands alone, so it never swallows a control character).
constexpr std::size_t characterLength(std::string_view bytes, std::size_t pos) {
    return pos + 1 < bytes.size() && isLeadByte(static_cast<unsigned char>(bytes[pos])) &&
                   isTrailByte(static_cast<unsigned char>(bytes[pos + 1]))
               ? 2
               : 1;
}

// Converts UTF-8 to GBK; characters with no GBK form become '?'.
std::string fromUtf8(std::string_view utf8);

// Converts GBK to UTF-8; bytes with no mapping become U+FFFD.
std::string toUtf8(std::string_view gbkBytes);

}  // namespace veyrin::gbk

#pragma once
// GBK <-> UTF-8 for the places that are not Qt: file names on disk and text constants written in
// the source as UTF-8. Widgets use the Qt converters in platform/ui/gbk_qt.h instead.

#include <string>
#include <string_view>

namespace veyrin::gbk {

// GBK lead bytes are 0x81..0xFE; the byte after a lead byte is its trail byte.
constexpr bool isLeadByte(unsigned char byte) { return byte >= 0x81 && byte <= 0xFE; }

// Converts UTF-8 to GBK; characters with no GBK form become '?'.
std::string fromUtf8(std::string_view utf8);

// Converts GBK to UTF-8; bytes with no mapping become U+FFFD.
std::string toUtf8(std::string_view gbkBytes);

}  // namespace veyrin::gbk

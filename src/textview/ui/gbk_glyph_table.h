#pragma once
// GBK bytes to UTF-16 one character at a time, so the painter knows which cells each character covers
// (a whole-string conversion loses that when a byte pair has no mapping).

#include <QChar>

#include <string_view>

namespace veyrin {

struct TGbkChar {
    char16_t code;  // U+FFFD when the bytes map to nothing
    int bytes;      // 1 or 2
};

// The character starting at `pos`; a lead byte at the end of the text stands alone.
TGbkChar gbkCharAt(std::string_view text, size_t pos);

}  // namespace veyrin

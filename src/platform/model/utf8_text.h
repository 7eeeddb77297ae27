#pragma once
// UTF-8 <-> code points for the Qt-free code that works per character (search folding, pinyin).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace veyrin::utf8 {

// Lenient decoding: a broken sequence becomes one U+FFFD per byte, so counts stay defined.
std::u32string decode(std::string_view utf8);

std::string encode(std::u32string_view text);

// The offset of the first byte that does not start or continue a well-formed character (overlong
// forms, surrogates and values past U+10FFFF included); nullopt for valid UTF-8.
std::optional<std::size_t> firstInvalidByte(std::string_view utf8);

}  // namespace veyrin::utf8

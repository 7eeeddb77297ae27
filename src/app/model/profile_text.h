#pragma once
// The settings file's text form, as pure functions on its bytes (GBK, lines ended by CR LF).
// A line "[name]" opens a section, a line "key=value" gives a key within it; anything else is kept
// but never matched. Section and key names match without regard to ASCII letter case, and the first
// match wins, for reads and writes alike.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veyrin {

// A value read back is cut to this many bytes.
inline constexpr std::size_t kMaxProfileValueLength = 2047;

// The value of `key` in the first section named `section`: the text after the line's first '=',
// blanks around it removed, one pair of enclosing double or single quotes removed, cut to
// kMaxProfileValueLength bytes. nullopt when the section or the key is missing.
std::optional<std::string> findProfileValue(std::string_view content, std::string_view section,
                                            std::string_view key);

// The content with `key` set to `value`: an existing key line is rewritten where it stands, keeping
// the key's spelling; a missing key is added after the last key line of its section; a missing
// section is added at the end with the name spelled as given. Every line ends in CR LF.
std::string withProfileValue(std::string_view content, std::string_view section, std::string_view key,
                             std::string_view value);

// An integer value: optional leading blanks, an optional sign, then decimal digits, or hexadecimal
// digits after "$", "x", "X", "0x" or "0X". nullopt for anything else, an empty text or a number
// outside the 32-bit signed range.
std::optional<std::int32_t> parseProfileInteger(std::string_view text);

}  // namespace veyrin

// Input: any bytes, taken once as GBK (a file's text) and once as UTF-8 (a file name or a text
// from the desktop). Neither conversion may lose or invent a control character or ASCII
// punctuation, GBK comes out as valid UTF-8, and a text whose every character converts comes back
// unchanged.

#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/model/gbk_text.h"

namespace {

// Bytes below 0x40 are never the second byte of a GBK pair nor part of a multi-byte UTF-8
// character, so each one in the input is one character that must come out as itself.
std::array<std::size_t, 0x40> lowByteCounts(std::string_view text, char except) {
    std::array<std::size_t, 0x40> counts{};
    for (char c : text)
        if (static_cast<unsigned char>(c) < counts.size() && c != except) ++counts[static_cast<unsigned char>(c)];
    return counts;
}

bool isValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : (lead & 0xE0) == 0xC0 ? 2 : (lead & 0xF0) == 0xE0 ? 3
                           : (lead & 0xF8) == 0xF0 ? 4 : 0;
        if (length == 0 || (length == 2 && lead < 0xC2) || i + length > text.size()) return false;
        std::uint32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (std::size_t j = 1; j < length; ++j) {
            const auto next = static_cast<unsigned char>(text[i + j]);
            if ((next & 0xC0) != 0x80) return false;
            code = code << 6 | (next & 0x3F);
        }
        if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

void checkGbkSide(std::string_view bytes) {
    const std::string utf8 = veyrin::gbk::toUtf8(bytes);
    if (!isValidUtf8(utf8)) std::abort();
    if (lowByteCounts(utf8, '\xFF') != lowByteCounts(bytes, '\xFF')) std::abort();
    if (utf8.find(kReplacement) == std::string::npos && veyrin::gbk::fromUtf8(utf8) != bytes) std::abort();
}

void checkUtf8Side(std::string_view text) {
    const std::string bytes = veyrin::gbk::fromUtf8(text);
    // '?' stands for what has no GBK form, so it is left out of the count.
    if (lowByteCounts(bytes, '?') != lowByteCounts(text, '?')) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    checkGbkSide(input);
    checkUtf8Side(input);
    return 0;
}

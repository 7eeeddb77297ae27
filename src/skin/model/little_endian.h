#pragma once
// Little-endian integers as the skin files store them, read from and appended to byte strings.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace veyrin {

inline std::uint32_t readUint32Le(std::string_view bytes, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at + i])); };
    return byte(0) | (byte(1) << 8) | (byte(2) << 16) | (byte(3) << 24);
}

inline std::uint16_t readUint16Le(std::string_view bytes, std::size_t at) {
    auto byte = [&](std::size_t i) { return static_cast<std::uint16_t>(static_cast<unsigned char>(bytes[at + i])); };
    return static_cast<std::uint16_t>(byte(0) | (byte(1) << 8));
}

inline std::int32_t readInt32Le(std::string_view bytes, std::size_t at) {
    return static_cast<std::int32_t>(readUint32Le(bytes, at));
}

inline void appendUint32Le(std::string& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((value >> shift) & 0xFFu));
}

inline void appendUint16Le(std::string& out, std::uint16_t value) {
    out.push_back(static_cast<char>(value & 0xFFu));
    out.push_back(static_cast<char>(value >> 8));
}

inline void appendInt32Le(std::string& out, std::int32_t value) { appendUint32Le(out, static_cast<std::uint32_t>(value)); }

}  // namespace veyrin

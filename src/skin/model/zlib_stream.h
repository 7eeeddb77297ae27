#pragma once
// One zlib stream (header, deflate data, Adler-32 trailer) inflated or deflated in 4 096-byte
// chunks.

#include <cstddef>
#include <string>
#include <string_view>

namespace veyrin {

// The stored skin inflates to about 333 KiB; 64 MiB leaves room for any real package while a
// crafted stream that expands without end is stopped long before it exhausts memory.
inline constexpr std::size_t kMaxInflatedSize = std::size_t{64} << 20;

// Inflates a whole zlib stream. Damaged or incomplete data, or output beyond `maxSize`, throws
// AppError("compression error"). Bytes after the end of the stream are ignored.
std::string inflateZlib(std::string_view compressed, std::size_t maxSize = kMaxInflatedSize);

// Deflates at level 9 into one zlib stream; a failure throws AppError("error").
std::string deflateZlib(std::string_view data);

}  // namespace veyrin

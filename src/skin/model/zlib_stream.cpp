#include "skin/model/zlib_stream.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <climits>

#include "platform/model/app_error.h"

namespace veyrin {

namespace {

constexpr std::size_t kChunk = 4096;

// zlib counts input in unsigned int; feed larger inputs in slices so nothing is cut off.
void feedInput(z_stream& stream, std::string_view& rest) {
    if (stream.avail_in != 0 || rest.empty()) return;
    const std::size_t slice = std::min<std::size_t>(rest.size(), UINT_MAX / 2);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(rest.data()));
    stream.avail_in = static_cast<uInt>(slice);
    rest.remove_prefix(slice);
}

class InflateStream {
public:
    InflateStream() {
        if (inflateInit(&stream_) != Z_OK) throw AppError("compression error");
    }
    ~InflateStream() { inflateEnd(&stream_); }
    InflateStream(const InflateStream&) = delete;
    InflateStream& operator=(const InflateStream&) = delete;
    z_stream& get() { return stream_; }

private:
    z_stream stream_{};
};

class DeflateStream {
public:
    DeflateStream() {
        if (deflateInit(&stream_, 9) != Z_OK) throw AppError("error");
    }
    ~DeflateStream() { deflateEnd(&stream_); }
    DeflateStream(const DeflateStream&) = delete;
    DeflateStream& operator=(const DeflateStream&) = delete;
    z_stream& get() { return stream_; }

private:
    z_stream stream_{};
};

}  // namespace

std::string inflateZlib(std::string_view compressed, std::size_t maxSize) {
    InflateStream inflater;
    z_stream& stream = inflater.get();
    std::string out;
    std::array<char, kChunk> chunk{};
    std::string_view rest = compressed;
    for (;;) {
        feedInput(stream, rest);
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        const int status = inflate(&stream, Z_NO_FLUSH);
        const std::size_t produced = chunk.size() - stream.avail_out;
        if (out.size() + produced > maxSize) throw AppError("compression error");
        out.append(chunk.data(), produced);
        if (status == Z_STREAM_END) return out;
        const bool stalled = status == Z_BUF_ERROR && stream.avail_in == 0 && rest.empty();
        if ((status != Z_OK && status != Z_BUF_ERROR) || stalled) throw AppError("compression error");
    }
}

std::string deflateZlib(std::string_view data) {
    DeflateStream deflater;
    z_stream& stream = deflater.get();
    std::string out;
    std::array<char, kChunk> chunk{};
    std::string_view rest = data;
    int status = Z_OK;
    do {
        feedInput(stream, rest);
        const int flush = (stream.avail_in == 0 && rest.empty()) ? Z_FINISH : Z_NO_FLUSH;
        stream.next_out = reinterpret_cast<Bytef*>(chunk.data());
        stream.avail_out = static_cast<uInt>(chunk.size());
        status = deflate(&stream, flush);
        if (status == Z_STREAM_ERROR) throw AppError("error");
        out.append(chunk.data(), chunk.size() - stream.avail_out);
    } while (status != Z_STREAM_END);
    return out;
}

}  // namespace veyrin

#include "platform/model/gbk_text.h"

#include <iconv.h>

#include <cerrno>
#include <stdexcept>

namespace veyrin::gbk {
namespace {

class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : handle_(iconv_open(to, from)) {
        // iconv_open reports failure as (iconv_t)-1.
        if (handle_ == reinterpret_cast<iconv_t>(-1))  // NOLINT(performance-no-int-to-ptr)
            throw std::runtime_error("iconv_open failed");
    }
    ~IconvHandle() { iconv_close(handle_); }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;
    iconv_t get() const { return handle_; }

private:
    iconv_t handle_;
};

// Converts as much as iconv accepts; on an unconvertible sequence writes `replacement` and skips
// `skipBytes` input bytes (one UTF-8 character, or one GBK byte/pair).
template <typename SkipFn>
std::string convert(const char* to, const char* from, std::string_view input, std::string_view replacement,
                    SkipFn skip) {
    IconvHandle cd(to, from);
    std::string out;
    out.reserve(input.size() * 3 / 2 + 4);
    const char* in = input.data();
    size_t inLeft = input.size();
    char buffer[4096];
    while (inLeft > 0) {
        char* outPtr = buffer;
        size_t outLeft = sizeof buffer;
        char* inPtr = const_cast<char*>(in);
        size_t result = iconv(cd.get(), &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<size_t>(outPtr - buffer));
        in = inPtr;
        if (result == static_cast<size_t>(-1)) {
            if (errno == E2BIG) continue;
            out.append(replacement);
            size_t n = skip(std::string_view(in, inLeft));
            in += n;
            inLeft -= n;
            iconv(cd.get(), nullptr, nullptr, nullptr, nullptr);
        }
    }
    return out;
}

bool isUtf8Continuation(char byte) { return (static_cast<unsigned char>(byte) & 0xC0) == 0x80; }

// A broken UTF-8 character is its lead byte and the continuation bytes that follow it, never more:
// the next ASCII byte (a path separator, a line break) starts a character of its own.
size_t utf8SequenceLength(std::string_view rest) {
    auto lead = static_cast<unsigned char>(rest[0]);
    size_t n = lead < 0xC0 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    size_t length = 1;
    while (length < n && length < rest.size() && isUtf8Continuation(rest[length])) ++length;
    return length;
}

// A lead byte takes its neighbour only when that is a trail byte (gbk_text.h).
size_t gbkSequenceLength(std::string_view rest) { return characterLength(rest, 0); }

}  // namespace

std::string fromUtf8(std::string_view utf8) { return convert("GBK", "UTF-8", utf8, "?", utf8SequenceLength); }

std::string toUtf8(std::string_view gbkBytes) {
    return convert("UTF-8", "GBK", gbkBytes, "\xEF\xBF\xBD", gbkSequenceLength);
}

}  // namespace veyrin::gbk

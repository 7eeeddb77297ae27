#pragma once
// Buffered writer for saving the line store: collects bytes in a 16384-byte buffer (grown when one
// line and its break do not fit) and hands full buffers to a sink; the rest goes out on flush or
// when the writer is destroyed.

#include <functional>
#include <string>
#include <string_view>

namespace veyrin {

class TSynEditFileWriter {
public:
    static constexpr size_t kBufferSize = 16384;
    using Sink = std::function<void(std::string_view bytes)>;

    explicit TSynEditFileWriter(Sink sink);
    ~TSynEditFileWriter();
    TSynEditFileWriter(const TSynEditFileWriter&) = delete;
    TSynEditFileWriter& operator=(const TSynEditFileWriter&) = delete;

    void writeLine(std::string_view text, std::string_view lineBreak);
    void flush();

private:
    Sink sink_;
    std::string buffer_;
    size_t capacity_ = kBufferSize;
};

}  // namespace veyrin

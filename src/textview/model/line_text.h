#pragma once
// The bytes of one line. A line read from a file points straight into the file's buffer (held alive
// by the line store), so loading a large file costs one read and no allocation per line; a line
// written later owns a copy of its bytes.

#include <cstdint>
#include <string>
#include <string_view>

namespace veyrin {

class TLineText {
public:
    TLineText() = default;
    static TLineText borrowed(std::string_view bytes);
    static TLineText owned(std::string_view bytes);

    TLineText(const TLineText&) = delete;
    TLineText& operator=(const TLineText&) = delete;
    TLineText(TLineText&& other) noexcept;
    TLineText& operator=(TLineText&& other) noexcept;
    ~TLineText();

    std::string_view view() const { return {data_, size_}; }
    bool isOwned() const { return owned_; }

private:
    void release() noexcept;

    const char* data_ = "";
    std::uint32_t size_ = 0;
    bool owned_ = false;
};

}  // namespace veyrin

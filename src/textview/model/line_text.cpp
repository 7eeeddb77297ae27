#include "textview/model/line_text.h"

#include <cstring>
#include <utility>

namespace veyrin {

TLineText TLineText::borrowed(std::string_view bytes) {
    TLineText text;
    text.data_ = bytes.data();
    text.size_ = static_cast<std::uint32_t>(bytes.size());
    return text;
}

TLineText TLineText::owned(std::string_view bytes) {
    TLineText text;
    if (bytes.empty()) return text;
    char* copy = new char[bytes.size()];
    std::memcpy(copy, bytes.data(), bytes.size());
    text.data_ = copy;
    text.size_ = static_cast<std::uint32_t>(bytes.size());
    text.owned_ = true;
    return text;
}

TLineText::TLineText(TLineText&& other) noexcept
    : data_(std::exchange(other.data_, "")), size_(std::exchange(other.size_, 0)),
      owned_(std::exchange(other.owned_, false)) {}

TLineText& TLineText::operator=(TLineText&& other) noexcept {
    if (this != &other) {
        release();
        data_ = std::exchange(other.data_, "");
        size_ = std::exchange(other.size_, 0);
        owned_ = std::exchange(other.owned_, false);
    }
    return *this;
}

TLineText::~TLineText() { release(); }

void TLineText::release() noexcept {
    if (owned_) delete[] data_;
    data_ = "";
    size_ = 0;
    owned_ = false;
}

}  // namespace veyrin

#include "skin/model/bmp_rle.h"

#include <algorithm>

#include "skin/model/bmp_format.h"

namespace veyrin {

namespace {

constexpr unsigned kEscape = 0;
constexpr unsigned kEndOfLine = 0;
constexpr unsigned kEndOfBitmap = 1;
constexpr unsigned kDelta = 2;
// A literal stretch is at least three pixels long: shorter counts are the marks above.
constexpr int kMinLiteral = 3;
constexpr int kMaxRun = 255;

class RleReader {
public:
    RleReader(std::string_view data, int width, int height, int bits)
        : data_(data), width_(width), height_(height), bits_(bits),
          indexes_(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), kSkippedRlePixel) {}

    std::vector<std::uint16_t> read() {
        while (pos_ < data_.size() && row_ < height_) {
            const unsigned count = byte();
            const unsigned value = byte();
            if (count != kEscape) {
                run(count, value);
            } else if (value == kEndOfLine) {
                x_ = 0;
                ++row_;
            } else if (value == kEndOfBitmap) {
                break;
            } else if (value == kDelta) {
                x_ = std::min(x_ + static_cast<int>(byte()), width_);
                row_ += static_cast<int>(byte());
            } else {
                literal(value);
            }
        }
        return std::move(indexes_);
    }

private:
    unsigned byte() {
        if (pos_ >= data_.size()) throwInvalidBitmap();
        return static_cast<unsigned char>(data_[pos_++]);
    }

    void put(unsigned index) {
        if (x_ < width_ && row_ < height_) {
            const int y = height_ - 1 - row_;
            indexes_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x_)] =
                static_cast<std::uint16_t>(index);
        }
        x_ = std::min(x_ + 1, width_);
    }

    // With 4 bits the two halves of the byte alternate, high half first.
    void run(unsigned count, unsigned value) {
        for (unsigned i = 0; i < count; ++i) put(bits_ == 8 ? value : (i % 2 == 0 ? value >> 4 : value & 0x0Fu));
    }

    // The literal's bytes are padded to a whole 16-bit word.
    void literal(unsigned count) {
        const std::size_t bytes = bits_ == 8 ? count : (count + 1) / 2;
        unsigned current = 0;
        for (unsigned i = 0; i < count; ++i) {
            if (bits_ == 8) {
                put(byte());
            } else {
                if (i % 2 == 0) current = byte();
                put(i % 2 == 0 ? current >> 4 : current & 0x0Fu);
            }
        }
        if (bytes % 2 != 0) byte();
    }

    std::string_view data_;
    std::size_t pos_ = 0;
    int width_, height_, bits_;
    int x_ = 0, row_ = 0;  // row 0 is the bottom row
    std::vector<std::uint16_t> indexes_;
};

void appendByte(std::string& out, unsigned value) { out.push_back(static_cast<char>(value & 0xFFu)); }

void appendRun(std::string& out, int count, std::uint8_t index, int bits) {
    appendByte(out, static_cast<unsigned>(count));
    appendByte(out, bits == 8 ? index : (static_cast<unsigned>(index) << 4) | index);
}

void appendLiteral(std::string& out, const std::uint8_t* pixels, int count, int bits) {
    appendByte(out, kEscape);
    appendByte(out, static_cast<unsigned>(count));
    std::string bytes;
    for (int i = 0; i < count; ++i) {
        if (bits == 8) {
            appendByte(bytes, pixels[i]);
        } else if (i % 2 == 0) {
            appendByte(bytes, static_cast<unsigned>(pixels[i]) << 4);
        } else {
            bytes.back() = static_cast<char>(static_cast<unsigned char>(bytes.back()) | pixels[i]);
        }
    }
    if (bytes.size() % 2 != 0) bytes.push_back('\0');
    out += bytes;
}

int sameRunLength(const std::uint8_t* row, int from, int width) {
    int end = from + 1;
    while (end < width && end - from < kMaxRun && row[end] == row[from]) ++end;
    return end - from;
}

void encodeRow(std::string& out, const std::uint8_t* row, int width, int bits) {
    int x = 0;
    while (x < width) {
        const int run = sameRunLength(row, x, width);
        if (run >= 2 || width - x < kMinLiteral) {
            appendRun(out, run, row[x], bits);
            x += run;
            continue;
        }
        // A literal stretch lasts until a repeat starts or it is full.
        int end = x + 1;
        while (end < width && end - x < kMaxRun && sameRunLength(row, end, width) < 2) ++end;
        if (end - x < kMinLiteral) {
            appendRun(out, 1, row[x], bits);
            ++x;
            continue;
        }
        appendLiteral(out, row + x, end - x, bits);
        x = end;
    }
    appendByte(out, kEscape);
    appendByte(out, kEndOfLine);
}

}  // namespace

std::vector<std::uint16_t> decodeBmpRle(std::string_view data, int width, int height, int bitsPerPixel) {
    return RleReader(data, width, height, bitsPerPixel).read();
}

std::string encodeBmpRle(const std::vector<std::uint8_t>& indexes, int width, int height, int bitsPerPixel) {
    std::string out;
    for (int y = height - 1; y >= 0; --y)
        encodeRow(out, indexes.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width), width,
                  bitsPerPixel);
    appendByte(out, kEscape);
    appendByte(out, kEndOfBitmap);
    return out;
}

}  // namespace veyrin

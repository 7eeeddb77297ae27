#include "skin/model/skin_package.h"

#include "platform/model/app_error.h"
#include "skin/model/little_endian.h"

namespace veyrin {

namespace {

constexpr char kNoBitmapFlag = 1;
constexpr char kBitmapFlag = 0;
constexpr std::size_t kBmpFileHeaderSize = 14;
// The decoded pictures of one package together: a 1-bit picture grows 32-fold when decoded, so a
// package of many large masks is refused before it takes gigabytes. The stored skin holds about
// 0.25 million pixels.
constexpr std::size_t kMaxPackagePixels = std::size_t{1} << 24;

class PackageReader {
public:
    explicit PackageReader(std::string_view bytes) : bytes_(bytes) {}

    std::string_view take(std::size_t count) {
        if (count > bytes_.size() - pos_) throw AppError(std::string(kStreamReadErrorMessage));
        std::string_view part = bytes_.substr(pos_, count);
        pos_ += count;
        return part;
    }
    std::int32_t int32() { return readInt32Le(take(4), 0); }
    std::string_view rest() { return take(bytes_.size() - pos_); }

    // A BMP file is as long as its header's file-size field says.
    SkinBitmap bmpFile() {
        const std::size_t start = pos_;
        const std::string_view header = take(kBmpFileHeaderSize);
        const std::uint32_t fileSize = readUint32Le(header, 2);
        if (header[0] != 'B' || header[1] != 'M' || fileSize < kBmpFileHeaderSize)
            throw AppError(std::string(kInvalidBitmapMessage));
        take(fileSize - kBmpFileHeaderSize);
        SkinBitmap bitmap = decodeBmpFile(bytes_.substr(start, fileSize));
        decodedPixels_ += bitmap.pixels.size();
        if (decodedPixels_ > kMaxPackagePixels) throw AppError(std::string(kInvalidBitmapMessage));
        return bitmap;
    }

    SkinBitmap optionalBitmap() {
        const char flag = take(1)[0];
        if (flag == kNoBitmapFlag) return {};
        if (flag != kBitmapFlag) throw AppError(std::string(kInvalidBitmapMessage));
        return bmpFile();
    }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
    std::size_t decodedPixels_ = 0;
};

void writeOptionalBitmap(std::string& out, const SkinBitmap& bitmap) {
    if (bitmap.fileBytes.empty()) {
        out.push_back(kNoBitmapFlag);
        return;
    }
    out.push_back(kBitmapFlag);
    out += bitmap.fileBytes;
}

}  // namespace

SkinPackage readSkinPackage(std::string_view bytes) {
    PackageReader reader(bytes);
    SkinPackage package;
    package.version = reader.int32();
    if (package.version >= kFirstUnknownPackageVersion) return package;
    package.picture = reader.optionalBitmap();
    package.inactivePicture = reader.optionalBitmap();
    package.mask = reader.optionalBitmap();
    if (package.version == 2) {
        package.legacyFirst = reader.optionalBitmap();
        package.legacySecond = reader.optionalBitmap();
    }
    const std::int32_t count = reader.int32();
    for (std::int32_t i = 0; i < count; ++i) package.activePictures.push_back(reader.bmpFile());
    package.lines = splitSkinLines(reader.rest());
    return package;
}

std::string writeSkinPackage(const SkinPackage& package) {
    std::string out;
    appendInt32Le(out, package.version);
    if (package.version >= kFirstUnknownPackageVersion) return out;
    writeOptionalBitmap(out, package.picture);
    writeOptionalBitmap(out, package.inactivePicture);
    writeOptionalBitmap(out, package.mask);
    if (package.version == 2) {
        writeOptionalBitmap(out, package.legacyFirst);
        writeOptionalBitmap(out, package.legacySecond);
    }
    appendInt32Le(out, static_cast<std::int32_t>(package.activePictures.size()));
    for (const SkinBitmap& bitmap : package.activePictures) out += bitmap.fileBytes;
    for (const std::string& line : package.lines) {
        out += line;
        out += "\r\n";
    }
    return out;
}

std::vector<std::string> splitSkinLines(std::string_view text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.emplace_back(text.substr(start));
            break;
        }
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

}  // namespace veyrin

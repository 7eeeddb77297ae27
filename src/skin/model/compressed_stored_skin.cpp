#include "skin/model/compressed_stored_skin.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string_view>

#include "platform/model/app_error.h"
#include "platform/model/program_path.h"
#include "skin/model/little_endian.h"
#include "skin/model/skin_ini_text.h"
#include "skin/model/skin_ini_values.h"
#include "skin/model/skin_package.h"
#include "skin/model/skin_scale.h"
#include "skin/model/zlib_stream.h"

namespace veyrin {

namespace {

constexpr std::array<std::string_view, 5> kRequiredSections = {"VERSION", "PICTURES", "FORMINFO", "SKINOBJECTS",
                                                                "SKINCONTROLS"};

// A directory opens as a stream but cannot be read; an empty picture name in a list resolves to one.
std::string readFileBytes(const std::filesystem::path& path) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) throwCannotOpen(path.string());
    std::ifstream in(path, std::ios::binary);
    if (!in) throwCannotOpen(path.string());
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throwCannotOpen(path.string());
    return bytes;
}

// Bitmaps written by other programs may leave the header's file size at 0; the package relies on
// it to find the next field, so it is set to the real length.
SkinBitmap loadBitmapFile(const std::filesystem::path& path) {
    std::string bytes = readFileBytes(path);
    if (bytes.size() >= 6) {
        std::string size;
        appendUint32Le(size, static_cast<std::uint32_t>(bytes.size()));
        bytes.replace(2, 4, size);
    }
    return decodeBmpFile(bytes);
}

SkinBitmap loadNamedBitmap(const std::filesystem::path& dir, const std::string& name, int scale) {
    return name.empty() ? SkinBitmap{} : loadBitmapFile(resolveProgramPath(dir, scaledPictureName(name, scale)));
}

}  // namespace

void TbsCompressedStoredSkin::inflateInto(std::string& out) const { out += inflateZlib(compressedData_); }

bool TbsCompressedStoredSkin::loadFromIni(const std::string& iniPath, int scale) {
    const std::vector<std::string> lines = splitSkinLines(readFileBytes(iniPath));
    const SkinIniText ini(lines);
    for (std::string_view section : kRequiredSections)
        if (!ini.hasSection(section)) return false;

    compressedData_.clear();
    std::filesystem::path dir = std::filesystem::path(iniPath).parent_path();
    if (dir.empty()) dir = ".";
    const SkinSectionReader pictures(ini, "PICTURES");
    SkinPackage package;
    package.picture = loadNamedBitmap(dir, pictures.string("picture"), scale);
    package.inactivePicture = loadNamedBitmap(dir, pictures.string("inactivepicture"), scale);
    package.mask = loadNamedBitmap(dir, pictures.string("mask"), scale);
    for (const std::string& name : pictures.list("activepictures"))
        package.activePictures.push_back(loadBitmapFile(resolveProgramPath(dir, scaledPictureName(name, scale))));
    package.lines = lines;
    compressedData_ = deflateZlib(writeSkinPackage(package));
    fileName = std::filesystem::path(iniPath).filename().string();
    return true;
}

void TbsCompressedStoredSkin::loadFromCompressedFile(const std::string& path) {
    loadFromCompressedFileBytes(readFileBytes(path));
}

void TbsCompressedStoredSkin::loadFromCompressedFileBytes(std::string_view file) {
    auto readError = [] { return AppError(std::string(kStreamReadErrorMessage)); };
    if (file.size() < 4) throw readError();
    compressedData_.clear();
    if (readInt32Le(file, 0) > kSkinPackageVersion) return;
    if (file.size() < 8) throw readError();
    const std::int32_t length = readInt32Le(file, 4);
    if (length < 0 || static_cast<std::size_t>(length) > file.size() - 8) throw readError();
    compressedData_.assign(file.substr(8, static_cast<std::size_t>(length)));
}

}  // namespace veyrin

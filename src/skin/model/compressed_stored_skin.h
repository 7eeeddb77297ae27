#pragma once
// The store of a window's skin: one zlib stream that inflates to a skin package. Windows carry it
// compiled in; the package tool builds it from a skin.ini and the bitmaps beside it.

#include <string>
#include <string_view>

namespace veyrin {

class TbsCompressedStoredSkin {
public:
    std::string fileName;            // the skin.ini the package was built from (kept only)
    std::string compressedFileName;  // kept only
    std::string description;

    const std::string& compressedData() const { return compressedData_; }
    void setCompressedData(std::string bytes) { compressedData_ = std::move(bytes); }
    bool isEmpty() const { return compressedData_.empty(); }

    // Appends the inflated package to `out`. Throws AppError("compression error") on damaged data.
    void inflateInto(std::string& out) const;

    // Builds a package from `iniPath` and the bitmaps it names (relative to its directory) and
    // stores it deflated. A skin.ini that lacks one of the sections a skin needs leaves the store
    // unchanged and returns false. Otherwise the store is emptied first, so an unreadable bitmap
    // ("Cannot open file <path>") or a bad one (the bitmap reader's error) leaves it empty.
    // At `scale` 2 or 3 every picture is read from its "name@Nx" file instead, and the skin.ini
    // is stored as it is.
    bool loadFromIni(const std::string& iniPath, int scale = 1);

    // Replaces the store with the stream of a compressed skin file (Int32 version, Int32 length,
    // the bytes). A version above 3 leaves the store empty; a short file throws "Stream read error".
    void loadFromCompressedFile(const std::string& path);
    void loadFromCompressedFileBytes(std::string_view file);

private:
    std::string compressedData_;
};

}  // namespace veyrin

#pragma once
// The skin package: what a stored skin inflates to. Int32 version (little-endian), the frame
// picture, inactive picture and mask as optional bitmaps (flag byte 1: none; 0: a BMP file
// follows), for version 2 two more optional bitmaps, the active picture count and that many BMP
// files, then the skin.ini text to the end.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "skin/model/skin_bitmap.h"

namespace veyrin {

inline constexpr std::int32_t kSkinPackageVersion = 3;
// Packages of this version or later are not understood: reading stops after the version.
inline constexpr std::int32_t kFirstUnknownPackageVersion = 4;

inline constexpr std::string_view kStreamReadErrorMessage = "Stream read error";

struct SkinPackage {
    std::int32_t version = kSkinPackageVersion;
    SkinBitmap picture, inactivePicture, mask;  // empty bitmap: the flag byte says none
    SkinBitmap legacyFirst, legacySecond;       // only in version 2 packages; nobody uses them
    std::vector<SkinBitmap> activePictures;
    std::vector<std::string> lines;             // skin.ini
};

// Reads a package. For an unknown version only `version` is filled. A package that ends early
// throws AppError(kStreamReadErrorMessage); a bitmap the reader cannot decode throws
// AppError(kInvalidBitmapMessage).
SkinPackage readSkinPackage(std::string_view bytes);

// The exact inverse of readSkinPackage: bitmaps go out as their stored BMP file bytes, every line
// is followed by CR LF.
std::string writeSkinPackage(const SkinPackage& package);

// Splits text into lines at CR, LF and CR LF; a final line break does not start another line.
std::vector<std::string> splitSkinLines(std::string_view text);

}  // namespace veyrin

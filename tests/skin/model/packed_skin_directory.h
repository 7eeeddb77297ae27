#pragma once
// A skin directory written for one test (skin.ini and its BMP files) and packed by the package
// builder, as the build packs the program's own skin. Free of GoogleTest so widget tests use it too.

#include <map>
#include <string>
#include <vector>

#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_bitmap.h"
#include "support/temp_dir.h"

namespace veyrin::skin_fixture {

class PackedSkinDirectory {
public:
    void addBitmap(const std::string& name, const SkinBitmap& bitmap) { test::writeBytes(dir_.path() / name, bitmap.fileBytes); }

    // Writes skin.ini and builds the store from it (at `scale`, from the name@Nx pictures); the
    // store stays empty when the builder refuses.
    TbsCompressedStoredSkin pack(const std::vector<std::string>& iniLines, int scale = 1) const {
        std::string text;
        for (const std::string& line : iniLines) text += line + "\r\n";
        test::writeBytes(dir_.path() / "skin.ini", text);
        TbsCompressedStoredSkin store;
        store.loadFromIni((dir_.path() / "skin.ini").string(), scale);
        return store;
    }

private:
    test::TempDir dir_;
};

}  // namespace veyrin::skin_fixture

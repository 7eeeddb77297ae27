// veyrin-skinpack: builds the compressed skin store from a skin.ini and its bitmaps, and lists what
// a store holds.
//   veyrin-skinpack build DIR/skin.ini OUT [SCALE]
//   veyrin-skinpack list FILE
// With SCALE 2 or 3 the package takes each picture's "name@SCALEx" file (the skin drawn for
// high-density screens) and the same skin.ini.

#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include "platform/model/app_error.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_ini_text.h"
#include "skin/model/skin_package.h"

namespace {

using namespace veyrin;

std::string describe(const SkinBitmap& bitmap) {
    if (bitmap.isEmpty()) return "none";
    return std::to_string(bitmap.width) + "x" + std::to_string(bitmap.height) + "x" + std::to_string(bitmap.bitsPerPixel);
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throwCannotOpen(path);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

int build(const std::string& iniPath, const std::string& outPath, int scale) {
    TbsCompressedStoredSkin store;
    if (!store.loadFromIni(iniPath, scale)) {
        std::cerr << iniPath << " lacks one of VERSION, PICTURES, FORMINFO, SKINOBJECTS, SKINCONTROLS\n";
        return 1;
    }
    std::ofstream out(outPath, std::ios::binary | std::ios::trunc);
    out.write(store.compressedData().data(), static_cast<std::streamsize>(store.compressedData().size()));
    out.close();
    if (!out) throwCannotCreate(outPath);
    return 0;
}

// Loads the store as a window would, so a package the program would refuse is refused here too.
int list(const std::string& path) {
    TbsCompressedStoredSkin store;
    store.setCompressedData(readFile(path));
    std::string bytes;
    store.inflateInto(bytes);
    const SkinPackage package = readSkinPackage(bytes);
    if (package.version >= kFirstUnknownPackageVersion) {
        std::cerr << "unsupported package version " << package.version << "\n";
        return 1;
    }
    TbsSkinData skin;
    skin.setCompressedStoredSkin(&store);

    std::cout << "version " << package.version << "\n";
    std::cout << "picture " << describe(package.picture) << "\n";
    std::cout << "inactivepicture " << describe(package.inactivePicture) << "\n";
    std::cout << "mask " << describe(package.mask) << "\n";
    for (std::size_t i = 0; i < package.activePictures.size(); ++i)
        std::cout << "active " << i << " " << describe(package.activePictures[i]) << "\n";
    std::cout << "skin.ini " << package.lines.size() << " lines " << SkinIniText(package.lines).sectionCount()
              << " sections\n";
    return 0;
}

int usage() {
    std::cerr << "usage: veyrin-skinpack build DIR/skin.ini OUT [SCALE]\n       veyrin-skinpack list FILE\n";
    return 2;
}

// 1, 2 or 3; 0 for anything else.
int parseScale(const std::string& text) {
    return text == "1" || text == "2" || text == "3" ? text[0] - '0' : 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string command = argc > 1 ? argv[1] : "";
    try {
        if (command == "build" && argc == 4) return build(argv[2], argv[3], 1);
        if (command == "build" && argc == 5 && parseScale(argv[4]) != 0) return build(argv[2], argv[3], parseScale(argv[4]));
        if (command == "list" && argc == 3) return list(argv[2]);
        return usage();
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}

// Writes the seed inputs: a small package with every section and picture kind, one with every
// bitmap form and the inactive effect (inflated for the
// package target, deflated and as a compressed skin file for the store target) and the full-size
// sample package deflated.
//   make_seeds PACKAGE_CORPUS_DIR STORE_CORPUS_DIR

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "../tools/sample_skin/sample_skin.h"
#include "skin/model/little_endian.h"
#include "skin/model/zlib_stream.h"

namespace {

void write(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

veyrin::SkinPackage smallPackage() {
    using veyrin::sample_skin::drawPicture;
    veyrin::SkinPackage p;
    p.picture = drawPicture({"", 12, 9, 24});
    p.mask = drawPicture({"", 12, 9, 1});
    p.activePictures = {drawPicture({"", 6, 5, 8}), drawPicture({"", 5, 3, 32}), drawPicture({"", 4, 2, 4})};
    p.lines = {"[VERSION]", "skinname=s", "[PICTURES]", "picture=f.bmp", "mask=m.bmp", "activepicturescount=3",
               "0=a.bmp", "1=b.bmp", "2=c.bmp", "[FORMINFO]", "lefttoppoint=3,4", "rightbottompoint=9,7",
               "clientrect=2,3,10,8", "maskrectarea=1,1,11,8", "inactiveeffect=ieinvert",
               "[POPUPWINDOW]", "windowpictureindex=0", "itemsrect=1,1,5,4", "[HINTWINDOW]",
               "clientrect=1,1,4,3", "fontstyle=fsbold", "[SKINOBJECTS]", "count=8", "0=a:menuitem",
               "1=b:mainmenubaritem", "2=c:button", "3=d:stdbutton", "4=e:mainmenubarbutton", "5=f:caption",
               "6=g:animate", "7=h:userobject", "[a]", "skinrect=1,2,3,4", "morphkind=mkpush", "[d]",
               "command=cmclose", "[f]", "alignment=taleftjustify", "[g]", "countframes=3", "[SKINCONTROLS]",
               "count=2", "0=x:button", "1=y:stdlabel", "[x]", "k=v"};
    return p;
}

// Every bitmap form the reader knows, a frame drawn through an inactive effect, a background
// picture, and lists with a missing entry.
veyrin::SkinPackage formsPackage() {
    using veyrin::BmpLayout;
    auto picture = [](int bits, BmpLayout layout) {
        std::vector<std::uint32_t> pixels;
        for (int i = 0; i < 7 * 5; ++i) pixels.push_back(i % 5 < 3 ? 0xFFFFFFu : (i % 2 ? 0xFF0000u : 0x0000FFu));
        return veyrin::encodeBmpFile(7, 5, bits, pixels, layout);
    };
    veyrin::SkinPackage p = smallPackage();
    p.inactivePicture = picture(24, BmpLayout::CoreHeader);
    p.activePictures = {picture(4, BmpLayout::RunLength), picture(8, BmpLayout::RunLength),
                        picture(16, BmpLayout::Plain),    picture(16, BmpLayout::BitFields),
                        picture(32, BmpLayout::BitFields), picture(8, BmpLayout::CoreHeader)};
    for (std::string& line : p.lines) {
        if (line == "activepicturescount=3") line = "activepicturescount=7";
        if (line == "inactiveeffect=ieinvert") line = "inactiveeffect=iesplitblur";
        if (line == "count=8") line = "count=10";
        if (line == "2=c:button") line = "9=c:button";
    }
    const auto formInfo = std::find(p.lines.begin(), p.lines.end(), "[FORMINFO]") + 1;
    p.lines.insert(formInfo, {"autorenderinginactiveimage=1", "bgpictureindex=4"});
    return p;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const std::filesystem::path packages = argv[1], stores = argv[2];
    std::filesystem::create_directories(packages);
    std::filesystem::create_directories(stores);
    veyrin::SkinPackage small = smallPackage();
    write(packages / "small_v3", veyrin::writeSkinPackage(small));
    small.version = 2;
    write(packages / "small_v2", veyrin::writeSkinPackage(small));
    small.version = 3;
    const std::string packed = veyrin::deflateZlib(veyrin::writeSkinPackage(small));
    write(stores / "small", packed);
    std::string file;
    veyrin::appendInt32Le(file, 3);
    veyrin::appendInt32Le(file, static_cast<std::int32_t>(packed.size()));
    write(stores / "small_skn", file + packed);
    const veyrin::SkinPackage forms = formsPackage();
    write(packages / "forms", veyrin::writeSkinPackage(forms));
    write(stores / "forms", veyrin::deflateZlib(veyrin::writeSkinPackage(forms)));
    write(stores / "sample", veyrin::deflateZlib(veyrin::writeSkinPackage(veyrin::sample_skin::package())));
    return 0;
}

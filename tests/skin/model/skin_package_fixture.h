#pragma once
// Small generated skins for the loader tests: bitmaps with a recognisable pattern and a skin.ini
// that names them, packed the way the program stores them.

#include <string>
#include <vector>

#include "skin/model/bmp_writer.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_package.h"
#include "skin/model/zlib_stream.h"

namespace veyrin::skin_fixture {

inline SkinBitmap patternBitmap(int width, int height, int bitsPerPixel) {
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    const std::uint32_t colours = bitsPerPixel >= 24 ? 0x1000000u : (1u << bitsPerPixel);
    for (std::size_t i = 0; i < pixels.size(); ++i) {
        const std::uint32_t n = static_cast<std::uint32_t>(i * 2654435761u) % colours;
        pixels[i] = bitsPerPixel >= 24 ? n : (n * 0x3F1Fu) & 0xFFFFFFu;
    }
    return encodeBmpFile(width, height, bitsPerPixel, pixels);
}

inline std::vector<std::string> sampleSkinLines() {
    return {"[VERSION]", "skinname=Test", "[PICTURES]", "picture=frame.bmp", "mask=mask.bmp",
            "activepicturescount=2", "0=a0.bmp", "1=a1.bmp",
            "[FORMINFO]", "lefttoppoint=20,30", "righttoppoint=40,30", "leftbottompoint=20,50",
            "rightbottompoint=40,50", "clientrect=10,20,50,60", "maskrectarea=5,25,55,40",
            "[POPUPWINDOW]", "windowpictureindex=1", "itemsrect=1,2,3,4",
            "[HINTWINDOW]", "windowpictureindex=0", "fontheight=16",
            "[SKINOBJECTS]", "count=4", "0=close:stdbutton", "1=caption:caption", "2=odd:nosuchkind",
            "3=Close:button",
            "[close]", "command=cmclose", "skinrect=1,2,3,4", "hint=Close",
            "[caption]", "alignment=taleftjustify", "fontstyle=fsBold,fsItalic",
            "[Close]", "activepictureindex=1",
            "[SKINCONTROLS]", "count=2", "0=button:button", "1=x:unknown",
            "[button]", "FontName=Tahoma"};
}

inline SkinPackage samplePackage(int version = 3) {
    SkinPackage p;
    p.version = version;
    p.picture = patternBitmap(60, 70, 24);
    p.mask = patternBitmap(60, 70, 1);
    p.activePictures = {patternBitmap(9, 7, 8), patternBitmap(5, 3, 4)};
    p.lines = sampleSkinLines();
    return p;
}

inline TbsCompressedStoredSkin storeOf(const SkinPackage& package) {
    TbsCompressedStoredSkin store;
    store.setCompressedData(deflateZlib(writeSkinPackage(package)));
    return store;
}

}  // namespace veyrin::skin_fixture

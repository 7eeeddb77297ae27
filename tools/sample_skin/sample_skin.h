#pragma once
// A generated skin with the layout of the program's stored skin: the same picture sizes and pixel
// formats, the frame, popup, hint and caption-button values, and as many control sections, so the
// package it makes is as large as the real one. Used where the real artwork is not at hand: the
// loader benchmark, the fuzzing seeds and trying the build-time packing.

#include <cstdint>
#include <string>
#include <vector>

#include "skin/model/bmp_writer.h"
#include "skin/model/skin_package.h"

namespace veyrin::sample_skin {

struct PictureFile {
    std::string name;
    int width, height, bitsPerPixel;
};

inline const std::vector<PictureFile>& pictureFiles() {
    static const std::vector<PictureFile> files = {
        {"frame.bmp", 188, 128, 24},   {"mask.bmp", 188, 128, 1},   {"buttons.bmp", 118, 141, 24},
        {"popup.bmp", 88, 80, 8},      {"menuitem.bmp", 70, 116, 8}, {"hint.bmp", 42, 22, 8},
        {"controls.bmp", 516, 318, 8}, {"marks.bmp", 53, 31, 1}};
    return files;
}

// Smooth shading for the colour pictures, a rounded outline for the 1-bit ones.
inline SkinBitmap drawPicture(const PictureFile& f) {
    std::vector<std::uint32_t> pixels;
    pixels.reserve(static_cast<std::size_t>(f.width) * static_cast<std::size_t>(f.height));
    for (int y = 0; y < f.height; ++y) {
        for (int x = 0; x < f.width; ++x) {
            if (f.bitsPerPixel == 1) {
                const bool corner = (x < 4 || x >= f.width - 4) && (y < 4 || y >= f.height - 4);
                pixels.push_back(corner ? 0xFFFFFFu : 0u);
            } else if (f.bitsPerPixel == 8) {
                const auto level = static_cast<std::uint32_t>((x * 7 + y * 3) % 64) * 4u;
                pixels.push_back((level << 16) | (level << 8) | (0x80u + level / 2));
            } else {
                const auto r = static_cast<std::uint32_t>(x * 255 / f.width);
                const auto g = static_cast<std::uint32_t>(y * 255 / f.height);
                pixels.push_back((r << 16) | (g << 8) | 0x60u);
            }
        }
    }
    return encodeBmpFile(f.width, f.height, f.bitsPerPixel, pixels);
}

inline void addStdButton(std::vector<std::string>& l, const std::string& name, const std::string& skinRect,
                         const std::string& activeRect, const std::string& command, const std::string& hint) {
    for (const std::string& line :
         {"[" + name + "]", std::string("activepictureindex=0"), std::string("skinrectinapicture=0"),
          "skinrect=" + skinRect, "activeskinrect=" + activeRect, std::string("inactiveskinrect=0,0,0,0"),
          std::string("downrect=0,0,0,0"), std::string("disableskinrsect=7,115,30,139"), "command=" + command,
          "hint=" + hint, std::string("morphing=1"), std::string("morphkind=mkleftgradient"),
          std::string("restorerect=0,0,0,0"), std::string("restoreactiverect=0,0,0,0"),
          std::string("restoredownrect=0,0,0,0"), std::string("restoreinactiverect=0,0,0,0")})
        l.push_back(line);
}

inline std::vector<std::string> skinLines() {
    std::vector<std::string> l = {
        "[VERSION]", "skinname=Veyrin", "skinauthor=Veyrin", "authoremail=", "authorurl=", "skincomments=",
        "[PICTURES]", "picture=frame.bmp", "inactivepicture=", "mask=mask.bmp", "activepicturescount=6",
        "0=buttons.bmp", "1=popup.bmp", "2=menuitem.bmp", "3=hint.bmp", "4=controls.bmp", "5=marks.bmp",
        "[FORMINFO]", "lefttoppoint=89,39", "righttoppoint=97,37", "leftbottompoint=14,115",
        "rightbottompoint=174,116", "clientrect=11,32,177,118", "bgpictureindex=-1", "mdibgpictureindex=-1",
        "leftstretch=0", "rightstretch=0", "topstretch=0", "bottomstretch=0", "maskrectarea=5,4,183,124",
        "hittestlefttoppoint=10,11", "hittestrighttoppoint=178,10", "hittestleftbottompoint=11,117",
        "hittestrightbottompoint=176,117", "buttonsrect=0,0,0,0", "captionrect=0,0,0,0", "buttonsoffset=1",
        "buttonsinleft=0", "mainmenupopupup=0", "borderwidth=3", "autorenderinginactiveimage=0",
        "inactiveeffect=iebrightness",
        "[POPUPWINDOW]", "windowpictureindex=1", "maskpictureindex=-1", "lefttoppoint=18,8", "righttoppoint=81,7",
        "leftbottompoint=16,72", "rightbottompoint=79,74", "itemsrect=14,3,84,76", "scrollmarkercolor=0",
        "scrollmarkeractivecolor=16777215", "leftstretch=0", "rightstretch=0", "topstretch=0", "bottomstretch=0",
        "[HINTWINDOW]", "windowpictureindex=3", "maskpictureindex=-1", "lefttoppoint=13,7", "righttoppoint=38,3",
        "leftbottompoint=12,17", "rightbottompoint=37,18", "clientrect=12,3,38,19", "fontname=Arial",
        "fontheight=14", "fontstyle=", "fontcolor=0", "leftstretch=0", "rightstretch=0", "topstretch=0",
        "bottomstretch=0",
        "[SKINOBJECTS]", "count=13", "0=menuitem:menuitem", "1=caption:caption", "2=closebutton:stdbutton",
        "3=minimizebutton:stdbutton", "4=maximizebutton:stdbutton", "5=rollupbutton:stdbutton",
        "6=mainmenubaritem:mainmenubaritem", "7=sysmenubutton:stdbutton", "8=menubarsysmenubutton:mainmenubarbutton",
        "9=menubarclosebutton:mainmenubarbutton", "10=menubarmaxbutton:mainmenubarbutton",
        "11=menubarminbutton:mainmenubarbutton", "12=traybutton:stdbutton",
        "[menuitem]", "activepictureindex=2", "skinrect=1,22,68,42", "activeskinrect=1,1,68,21",
        "dividerrect=0,41,68,46", "dividerleftoffset=35", "dividerrightoffset=3", "itemleftoffset=20",
        "itemrightoffset=20", "textrect=2,2,66,18", "fontname=Arial", "fontheight=14", "fontstyle=", "fontcolor=0",
        "activefontcolor=16777215", "unenabledfontcolor=8421504", "morphing=0",
        "[caption]", "activepictureindex=0", "skinrect=79,3,109,30", "textrect=9,0,21,27", "fontname=Arial",
        "fontheight=18", "fontstyle=fsbold", "fontcolor=8421504", "activefontcolor=0", "alignment=tacenter",
        "shadow=1", "shadowcolor=16777215", "activeshadowcolor=16777215", "morphing=0",
        "[mainmenubaritem]", "activepictureindex=2", "skinrect=1,22,68,42", "fontname=Arial", "fontheight=14"};
    addStdButton(l, "closebutton", "158,5,181,29", "31,32,54,56", "cmclose", "Close");
    addStdButton(l, "minimizebutton", "110,5,133,29", "31,88,54,112", "cmminimize", "Minimize");
    addStdButton(l, "maximizebutton", "134,5,157,29", "31,61,54,85", "cmmaximize", "Maximize");
    addStdButton(l, "rollupbutton", "31,5,54,29", "87,32,110,56", "cmrollup", "RollUp");
    addStdButton(l, "sysmenubutton", "7,5,30,29", "87,61,110,85", "cmsysmenu", "System menu");
    addStdButton(l, "traybutton", "55,5,78,29", "86,88,109,112", "cmminimizetotray", "MinimizeToTray");
    for (const char* name : {"menubarsysmenubutton", "menubarclosebutton", "menubarmaxbutton", "menubarminbutton"})
        addStdButton(l, name, "0,0,0,0", "0,0,0,0", "cmdefault", "");
    // The controls take up the rest: 59 entries, one section each, about the real text's size.
    static const char* kKinds[] = {"panel", "button", "checkradio", "gauge", "label", "stdlabel", "edit",
                                   "combobox", "scrollbar", "listbox", "memo", "tab", "trackbar", "spinedit"};
    l.push_back("[SKINCONTROLS]");
    l.push_back("count=59");
    for (int i = 0; i < 59; ++i)
        l.push_back(std::to_string(i) + "=control" + std::to_string(i) + ":" + kKinds[i % 14]);
    for (int i = 0; i < 59; ++i) {
        l.push_back("[control" + std::to_string(i) + "]");
        for (int k = 0; k < 22; ++k)
            l.push_back("key" + std::to_string(k) + "rect=" + std::to_string(k) + "," + std::to_string(i) + "," +
                        std::to_string(k + 20) + "," + std::to_string(i + 20));
    }
    return l;
}

inline SkinPackage package() {
    SkinPackage p;
    const auto& files = pictureFiles();
    p.picture = drawPicture(files[0]);
    p.mask = drawPicture(files[1]);
    for (std::size_t i = 2; i < files.size(); ++i) p.activePictures.push_back(drawPicture(files[i]));
    p.lines = skinLines();
    return p;
}

}  // namespace veyrin::sample_skin

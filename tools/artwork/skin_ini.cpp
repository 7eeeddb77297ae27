// Writes skin.ini from the same tables the pictures are drawn from (skin_layout.h). The frame,
// popup, hint and caption object values are the ones the frame, menus and hints are built around;
// the SKINCONTROLS sections describe the looks of the control sheet (active picture 4) for
// skinned controls, which the program keeps but does not draw.

#include "skin_ini.h"

#include <functional>
#include <string>
#include <vector>

#include "skin_layout.h"

namespace skinart {
namespace {

constexpr int kWhite = 16777215;
constexpr int kGrey = 8421504;
constexpr int kInkText = 0x2B2E33;   // 0x00BBGGRR of a warm ink black #332E2B
constexpr int kMutedText = 0x8A94A0;  // #A0948A

class IniText {
public:
    void section(std::string_view name) {
        if (!text_.empty()) line("");
        line("[" + std::string(name) + "]");
    }
    void key(std::string_view name, std::string_view value) { line(std::string(name) + "=" + std::string(value)); }
    void key(std::string_view name, int value) { key(name, std::to_string(value)); }
    void box(std::string_view name, const Box& b) {
        key(name, join({b.left, b.top, b.right, b.bottom}));
    }
    void point(std::string_view name, Point p) { key(name, join({p.x, p.y})); }
    void anchors(Point lt, Point rt, Point lb, Point rb) {
        point("lefttoppoint", lt);
        point("righttoppoint", rt);
        point("leftbottompoint", lb);
        point("rightbottompoint", rb);
    }
    void noStretch() {
        for (const char* edge : {"leftstretch", "rightstretch", "topstretch", "bottomstretch"}) key(edge, 0);
    }
    void list(std::string_view countKey, const std::vector<std::string>& entries) {
        key(countKey, static_cast<int>(entries.size()));
        for (std::size_t i = 0; i < entries.size(); ++i) key(std::to_string(i), entries[i]);
    }
    const std::string& text() const { return text_; }

private:
    static std::string join(std::initializer_list<int> values) {
        std::string out;
        for (int v : values) out += (out.empty() ? "" : ",") + std::to_string(v);
        return out;
    }
    void line(const std::string& s) { text_ += s + "\r\n"; }
    std::string text_;
};

// ---------------------------------------------------------------------------------------------
// The window's frame, menus and hints

void versionSection(IniText& ini) {
    ini.section("VERSION");
    ini.key("skinname", "Veyrin");
    ini.key("skinauthor", "Veyrin developers");
    ini.key("authoremail", "");
    ini.key("authorurl", "");
    ini.key("skincomments", "Ink on rice paper: ivory caption, vermilion seal, celadon accents");
}

void picturesSection(IniText& ini) {
    ini.section("PICTURES");
    ini.key("picture", kFramePictureFile);
    ini.key("inactivepicture", "");
    ini.key("mask", kMaskFile);
    std::vector<std::string> files;
    for (std::string_view f : kActivePictureFiles) files.emplace_back(f);
    ini.list("activepicturescount", files);
}

void formInfoSection(IniText& ini) {
    ini.section("FORMINFO");
    ini.anchors(kFrameLeftTop, kFrameRightTop, kFrameLeftBottom, kFrameRightBottom);
    ini.box("clientrect", kClientRect);
    ini.key("bgpictureindex", -1);
    ini.key("mdibgpictureindex", -1);
    ini.noStretch();
    ini.box("maskrectarea", kMaskRectArea);
    ini.point("hittestlefttoppoint", {10, 11});
    ini.point("hittestrighttoppoint", {178, 10});
    ini.point("hittestleftbottompoint", {11, 117});
    ini.point("hittestrightbottompoint", {176, 117});
    ini.box("buttonsrect", {});
    ini.box("captionrect", {});
    ini.key("buttonsoffset", 1);
    ini.key("buttonsinleft", 0);
    ini.key("mainmenupopupup", 0);
    ini.key("borderwidth", 3);
    ini.key("autorenderinginactiveimage", 0);
    ini.key("inactiveeffect", "iebrightness");
}

void popupWindowSection(IniText& ini) {
    ini.section("POPUPWINDOW");
    ini.key("windowpictureindex", 1);
    ini.key("maskpictureindex", -1);
    ini.anchors(kPopupLeftTop, kPopupRightTop, kPopupLeftBottom, kPopupRightBottom);
    ini.box("itemsrect", kPopupItemsRect);
    ini.key("scrollmarkercolor", 0);
    ini.key("scrollmarkeractivecolor", kWhite);
    ini.noStretch();
}

void hintWindowSection(IniText& ini) {
    ini.section("HINTWINDOW");
    ini.key("windowpictureindex", 3);
    ini.key("maskpictureindex", -1);
    ini.anchors(kHintLeftTop, kHintRightTop, kHintLeftBottom, kHintRightBottom);
    ini.box("clientrect", kHintClientRect);
    ini.key("fontname", "Arial");
    ini.key("fontheight", 14);
    ini.key("fontstyle", "");
    ini.key("fontcolor", 0);
    ini.noStretch();
}

// ---------------------------------------------------------------------------------------------
// SKINOBJECTS

void commonObjectKeys(IniText& ini, std::string_view hint, int pictureIndex, bool inPicture, const Box& skin,
                      const Box& active, bool morphing, std::string_view morphKind) {
    ini.key("hint", hint);
    ini.key("activepictureindex", pictureIndex);
    ini.key("skinrectinapicture", inPicture ? 1 : 0);
    ini.box("skinrect", skin);
    ini.box("activeskinrect", active);
    ini.box("inactiveskinrect", {});
    ini.key("morphing", morphing ? 1 : 0);
    ini.key("morphkind", morphKind);
}

void fontKeys(IniText& ini, std::string_view name, int height, std::string_view style, int colour) {
    ini.key("fontname", name);
    ini.key("fontheight", height);
    ini.key("fontstyle", style);
    ini.key("fontcolor", colour);
}

void restoreKeys(IniText& ini) {
    for (const char* k : {"restorerect", "restoreactiverect", "restoredownrect", "restoreinactiverect"}) ini.box(k, {});
}

void menuItemSection(IniText& ini) {
    ini.section("menuitem");
    commonObjectKeys(ini, "", 2, false, kMenuItemNormal, kMenuItemActive, false, "mkdefault");
    ini.key("itemleftoffset", kMenuItemSideOffset);
    ini.key("itemrightoffset", kMenuItemSideOffset);
    ini.box("dividerrect", kMenuDivider);
    ini.key("dividerleftoffset", kDividerLeftOffset);
    ini.key("dividerrightoffset", kDividerRightOffset);
    ini.box("textrect", kMenuItemText);
    fontKeys(ini, "Arial", 14, "", 0);
    ini.key("activefontcolor", kWhite);
    ini.key("unenabledfontcolor", kGrey);
}

void captionSection(IniText& ini) {
    ini.section("caption");
    commonObjectKeys(ini, "", 0, false, kCaptionRect, {}, false, "mkdefault");
    ini.box("textrect", {9, 0, 21, 27});
    fontKeys(ini, "Arial", 18, "fsbold", kGrey);
    ini.key("activefontcolor", 0);
    ini.key("alignment", "tacenter");
    ini.key("shadow", 1);
    ini.key("shadowcolor", kWhite);
    ini.key("activeshadowcolor", kWhite);
    for (const char* k : {"framerect", "activeframerect", "frametextrect"}) ini.box(k, {});
    ini.key("frameleftoffset", 0);
    ini.key("framerightoffset", 0);
}

void captionButtonSection(IniText& ini, const CaptionButton& button) {
    ini.section(button.section);
    commonObjectKeys(ini, button.hint, 0, false, button.normal, button.hot, true, "mkleftgradient");
    ini.box("downrect", {});
    ini.box("disableskinrsect", kDisabledButton);
    ini.key("command", button.command);
    restoreKeys(ini);
}

const CaptionButton& captionButton(std::string_view section) {
    for (const CaptionButton& b : kCaptionButtons) {
        if (b.section == section) return b;
    }
    throw "no such caption button";
}

void mainMenuBarItemSection(IniText& ini) {
    ini.section("mainmenubaritem");
    commonObjectKeys(ini, "", kControlPicture, true, sheetCell("baritem").box, sheetCell("baritem.hot").box, false,
                     "mkdefault");
    ini.key("itemleftoffset", 4);
    ini.key("itemrightoffset", 4);
    ini.box("downrect", sheetCell("baritem.down").box);
    ini.box("textrect", {4, 3, 36, 19});
    fontKeys(ini, "Arial", 14, "", 0);
    ini.key("activefontcolor", kWhite);
    ini.key("downfontcolor", kWhite);
    ini.key("unenabledfontcolor", kGrey);
}

void menuBarButtonSection(IniText& ini, std::string_view section, MenuBarButton button, std::string_view command,
                          std::string_view hint) {
    ini.section(section);
    commonObjectKeys(ini, hint, 0, true, menuBarButtonBox(button, 0), menuBarButtonBox(button, 1), false, "mkdefault");
    ini.box("downrect", menuBarButtonBox(button, 2));
    ini.box("disableskinrsect", {});
    ini.key("command", command);
    restoreKeys(ini);
}

// The entries in the order the frame and menus expect them.
void skinObjects(IniText& ini) {
    ini.section("SKINOBJECTS");
    ini.list("count", {"menuitem:menuitem", "caption:caption", "closebutton:stdbutton", "minimizebutton:stdbutton",
                       "maximizebutton:stdbutton", "rollupbutton:stdbutton", "mainmenubaritem:mainmenubaritem",
                       "sysmenubutton:stdbutton", "menubarsysmenubutton:mainmenubarbutton",
                       "menubarclosebutton:mainmenubarbutton", "menubarmaxbutton:mainmenubarbutton",
                       "menubarminbutton:mainmenubarbutton", "traybutton:stdbutton"});
    menuItemSection(ini);
    captionSection(ini);
    for (const char* b : {"closebutton", "minimizebutton", "maximizebutton", "rollupbutton"}) {
        captionButtonSection(ini, captionButton(b));
    }
    mainMenuBarItemSection(ini);
    captionButtonSection(ini, captionButton("sysmenubutton"));
    menuBarButtonSection(ini, "menubarsysmenubutton", MenuBarButton::SystemMenu, "cmsysmenu", "System menu");
    menuBarButtonSection(ini, "menubarclosebutton", MenuBarButton::Close, "cmclose", "Close");
    menuBarButtonSection(ini, "menubarmaxbutton", MenuBarButton::Maximize, "cmmaximize", "Maximize");
    menuBarButtonSection(ini, "menubarminbutton", MenuBarButton::Minimize, "cmminimize", "Minimize");
    captionButtonSection(ini, captionButton("traybutton"));
}

// ---------------------------------------------------------------------------------------------
// SKINCONTROLS: each kind writes the keys a skinned control of that kind reads.

void pictureKeys(IniText& ini, std::string_view cell, int maskPicture = -1) {
    ini.key("pictureindex", kControlPicture);
    ini.key("maskpictureindex", maskPicture);
    ini.box("skinrect", sheetCell(cell).box);
}

// A frame cut at `corner` pixels from each side; client rectangle inset by `border`.
void frameKeys(IniText& ini, std::string_view cell, int corner, int border, int maskPicture = -1) {
    pictureKeys(ini, cell, maskPicture);
    Box b = sheetCell(cell).box;
    int w = b.width(), h = b.height();
    ini.box("clientrect", {border, border, w - border, h - border});
    ini.anchors({corner, corner}, {w - corner, corner}, {corner, h - corner}, {w - corner, h - corner});
    ini.noStretch();
}

void textKeys(IniText& ini, int height = 14, std::string_view style = "") {
    fontKeys(ini, "Arial", height, style, kInkText);
    ini.key("activefontcolor", kInkText);
    ini.key("unenabledfontcolor", kMutedText);
}

// The look of `base` and, where the sheet has them, its hot, pressed and disabled looks.
void stateKeys(IniText& ini, std::string_view base) {
    const std::string b(base);
    ini.box("activeskinrect", sheetCell(b + ".hot").box);
    ini.box("downskinrect", sheetCell(b + ".down").box);
    bool hasOff = false;
    for (const Cell& c : kSheet) hasOff = hasOff || c.name == b + ".off";
    ini.box("disabledskinrect", hasOff ? sheetCell(b + ".off").box : Box{});
}

void buttonControl(IniText& ini, std::string_view cell, int corner, int maskPicture = -1) {
    frameKeys(ini, cell, corner, corner, maskPicture);
    stateKeys(ini, cell);
    textKeys(ini);
    ini.key("downfontcolor", kInkText);
    ini.key("morphing", 1);
    ini.key("morphkind", "mkdefault");
}

void arrowButtonControl(IniText& ini, std::string_view cell) {
    pictureKeys(ini, cell);
    stateKeys(ini, cell);
    ini.key("morphing", 0);
}

void panelControl(IniText& ini, std::string_view cell, int border, std::string_view caption) {
    frameKeys(ini, cell, 8, border);
    textKeys(ini, 14, "fsbold");
    ini.box("captionrect", caption.empty() ? Box{} : Box{8, 2, 56, 18});
    ini.key("bgpictureindex", -1);
}

void markRects(IniText& ini, std::string_view prefix, std::string_view off, std::string_view on) {
    const std::string p(prefix), o(off), n(on);
    ini.box(p + "uncheckimagerect", sheetCell(o).box);
    ini.box(p + "checkimagerect", sheetCell(n).box);
    ini.box(p + "activeuncheckimagerect", sheetCell(o + ".hot").box);
    ini.box(p + "activecheckimagerect", sheetCell(n + ".hot").box);
    ini.box(p + "unenableduncheckimagerect", sheetCell(o + ".off").box);
    ini.box(p + "unenabledcheckimagerect", sheetCell(n + ".off").box);
}

void checkRadioControl(IniText& ini, std::string_view off, std::string_view on) {
    frameKeys(ini, "etched", 4, 2);
    markRects(ini, "", off, on);
    textKeys(ini);
    ini.key("morphing", 0);
}

void gaugeControl(IniText& ini, std::string_view frame, std::string_view bar, bool vertical) {
    frameKeys(ini, frame, 3, 2);
    ini.box("progressrect", sheetCell(bar).box);
    ini.box("progressarea", vertical ? Box{2, 2, 14, 98} : Box{2, 2, 98, 14});
    ini.key("beginoffset", 3);
    ini.key("endoffset", 3);
    ini.key("progressstretch", 0);
    ini.key("vertical", vertical ? 1 : 0);
    textKeys(ini, 12);
}

void trackBarControl(IniText& ini, std::string_view track, std::string_view knob, bool vertical) {
    frameKeys(ini, track, 3, 1);
    ini.box("buttonrect", sheetCell(knob).box);
    ini.box("activebuttonrect", sheetCell(std::string(knob) + ".hot").box);
    ini.key("vertical", vertical ? 1 : 0);
}

void labelControl(IniText& ini, int height, std::string_view style) {
    ini.key("pictureindex", -1);
    ini.box("skinrect", {});
    textKeys(ini, height, style);
}

// The two arrow buttons of an up-down pair, scroll bar or list.
void arrowPairRects(IniText& ini, std::string_view first, std::string_view second) {
    ini.box("upbuttonrect", sheetCell(first).box);
    ini.box("upactivebuttonrect", sheetCell(std::string(first) + ".hot").box);
    ini.box("updownbuttonrect", sheetCell(std::string(first) + ".down").box);
    ini.box("downbuttonrect", sheetCell(second).box);
    ini.box("downactivebuttonrect", sheetCell(std::string(second) + ".hot").box);
    ini.box("downdownbuttonrect", sheetCell(std::string(second) + ".down").box);
}

void upDownControl(IniText& ini, std::string_view first, std::string_view second) {
    pictureKeys(ini, first);
    arrowPairRects(ini, first, second);
}

void editControl(IniText& ini, int border) {
    frameKeys(ini, "sunken", 6, border);
    textKeys(ini);
    ini.key("bgcolor", kWhite);
    ini.key("activebgcolor", kWhite);
}

void listControl(IniText& ini) {
    editControl(ini, 3);
    ini.key("itemheight", 18);
    ini.key("activeitemcolor", 0x5F6B4E);  // celadon ink #4E6B5F
    ini.key("activeitemfontcolor", kWhite);
    arrowPairRects(ini, "up", "down");
    ini.box("hscrollbarrect", sheetCell("trackh").box);
    ini.box("vscrollbarrect", sheetCell("trackv").box);
}

void scrollBarControl(IniText& ini, bool vertical) {
    const char* track = vertical ? "trackv" : "trackh";
    const char* thumb = vertical ? "thumbv" : "thumbh";
    frameKeys(ini, track, 3, 0);
    ini.box("thumbrect", sheetCell(thumb).box);
    ini.box("activethumbrect", sheetCell(std::string(thumb) + ".hot").box);
    ini.point("thumboffsets", {4, 4});
    arrowPairRects(ini, vertical ? "up" : "left", vertical ? "down" : "right");
    ini.key("vertical", vertical ? 1 : 0);
}

void tabControl(IniText& ini) {
    frameKeys(ini, "tabpage", 6, 3);
    ini.box("tabrect", sheetCell("tab").box);
    ini.box("activetabrect", sheetCell("tab.down").box);
    ini.box("mouseintabrect", sheetCell("tab.hot").box);
    ini.box("focustabrect", sheetCell("tab.down").box);
    ini.key("tableftoffset", 6);
    ini.key("tabrightoffset", 6);
    textKeys(ini);
}

void comboControl(IniText& ini) {
    frameKeys(ini, "dropdown", 4, 2);
    ini.box("buttonrect", sheetCell("combo").box);
    ini.box("activebuttonrect", sheetCell("combo.hot").box);
    ini.box("downbuttonrect", sheetCell("combo.down").box);
    ini.box("itemrect", {2, 2, 81, 18});
    ini.box("listboxrect", sheetCell("sunken").box);
    textKeys(ini);
}

void sliderControl(IniText& ini, bool vertical) {
    frameKeys(ini, vertical ? "railv" : "railh", 3, 1);
    ini.box("thumbrect", sheetCell("knob").box);
    ini.box("activethumbrect", sheetCell("knob.hot").box);
    ini.key("vertical", vertical ? 1 : 0);
}

void splitterControl(IniText& ini, std::string_view grip, bool vertical) {
    pictureKeys(ini, grip);
    ini.key("vertical", vertical ? 1 : 0);
    ini.key("gripstretch", 0);
}

struct ControlEntry {
    std::string_view section;
    std::string_view kind;
    std::function<void(IniText&)> keys;
};

std::vector<ControlEntry> controlEntries() {
    return {
        {"panel", "panel", [](IniText& i) { panelControl(i, "raised", 3, ""); }},
        {"groupbox", "panel", [](IniText& i) { panelControl(i, "groupframe", 6, "caption"); }},
        {"captionpanel", "panel", [](IniText& i) { panelControl(i, "captionframe", 3, "caption"); }},
        {"statusbar", "panel", [](IniText& i) { panelControl(i, "barframe", 2, ""); }},
        {"dialogpanel", "panel", [](IniText& i) { panelControl(i, "raised", 4, ""); }},
        {"toolpanel", "panel", [](IniText& i) { panelControl(i, "barframe", 3, ""); }},
        {"expanel", "expanel",
         [](IniText& i) {
             panelControl(i, "captionframe", 3, "caption");
             i.box("rollupbuttonrect", sheetCell("up").box);
             i.box("rollupactivebuttonrect", sheetCell("up.hot").box);
             i.box("restorebuttonrect", sheetCell("down").box);
             i.box("restoreactivebuttonrect", sheetCell("down.hot").box);
         }},
        {"menubutton", "menubutton",
         [](IniText& i) {
             buttonControl(i, "button", 6);
             i.box("trackbuttonrect", {46, 0, 64, 24});
         }},
        {"toolmenubutton", "menubutton",
         [](IniText& i) {
             buttonControl(i, "tool", 5);
             i.box("trackbuttonrect", {16, 0, 26, 26});
         }},
        {"button", "button", [](IniText& i) { buttonControl(i, "button", 6); }},
        {"toolbutton", "button", [](IniText& i) { buttonControl(i, "tool", 5); }},
        {"resizebutton", "button", [](IniText& i) { buttonControl(i, "button", 8); }},
        {"smallbutton", "button", [](IniText& i) { buttonControl(i, "tool", 4); }},
        {"roundbutton", "button",
         [](IniText& i) {
             buttonControl(i, "roundbutton", 15, kRoundButtonMaskPicture);
         }},
        {"headerbutton", "button", [](IniText& i) { buttonControl(i, "header", 4); }},
        {"tabbutton", "button", [](IniText& i) { buttonControl(i, "tab", 6); }},
        {"upbutton", "button", [](IniText& i) { arrowButtonControl(i, "up"); }},
        {"downbutton", "button", [](IniText& i) { arrowButtonControl(i, "down"); }},
        {"leftbutton", "button", [](IniText& i) { arrowButtonControl(i, "left"); }},
        {"rightbutton", "button", [](IniText& i) { arrowButtonControl(i, "right"); }},
        {"combobutton", "button", [](IniText& i) { arrowButtonControl(i, "combo"); }},
        {"checkbox", "checkradio", [](IniText& i) { checkRadioControl(i, "check", "checked"); }},
        {"radiobox", "checkradio", [](IniText& i) { checkRadioControl(i, "radio", "radioon"); }},
        {"gauge", "gauge", [](IniText& i) { gaugeControl(i, "gaugeh", "gaugebarh", false); }},
        {"vgauge", "gauge", [](IniText& i) { gaugeControl(i, "gaugev", "gaugebarv", true); }},
        {"splitter", "splitter", [](IniText& i) { splitterControl(i, "griph", false); }},
        {"vsplitter", "splitter", [](IniText& i) { splitterControl(i, "gripv", true); }},
        {"trackbar", "trackbar", [](IniText& i) { trackBarControl(i, "railh", "knobh", false); }},
        {"vtrackbar", "trackbar", [](IniText& i) { trackBarControl(i, "railv", "knobv", true); }},
        {"label", "label", [](IniText& i) { labelControl(i, 14, ""); }},
        {"captionlabel", "label", [](IniText& i) { labelControl(i, 16, "fsbold"); }},
        {"stdlabel", "stdlabel", [](IniText& i) { labelControl(i, 14, ""); }},
        {"hintlabel", "stdlabel", [](IniText& i) { labelControl(i, 12, ""); }},
        {"updown", "updown", [](IniText& i) { upDownControl(i, "up", "down"); }},
        {"hupdown", "updown", [](IniText& i) { upDownControl(i, "left", "right"); }},
        {"grid", "grid",
         [](IniText& i) {
             editControl(i, 2);
             i.box("fixedcellrect", sheetCell("header").box);
             i.box("activefixedcellrect", sheetCell("header.hot").box);
             i.key("gridlinecolor", 0xC8D6DE);  // #DED6C8
         }},
        {"tab", "tab", tabControl},
        {"mainmenubar", "mainmenubar",
         [](IniText& i) {
             frameKeys(i, "menubarback", 4, 1);
             i.box("itemsrect", {4, 1, 60, 23});
             i.key("menubarbuttonsoffset", 2);
         }},
        {"controlbar", "controlbar",
         [](IniText& i) {
             panelControl(i, "barframe", 2, "");
             i.box("griprect", sheetCell("gripv").box);
         }},
        {"toolbar", "controlbar",
         [](IniText& i) {
             panelControl(i, "barframe", 2, "");
             i.box("griprect", sheetCell("griplong").box);
         }},
        {"memo", "memo", [](IniText& i) { editControl(i, 3); }},
        {"edit", "edit", [](IniText& i) { editControl(i, 2); }},
        {"searchedit", "edit",
         [](IniText& i) {
             editControl(i, 2);
             i.box("buttonrect", sheetCell("combo").box);
         }},
        {"checklistbox", "checklistbox",
         [](IniText& i) {
             listControl(i);
             markRects(i, "", "check", "checked");
         }},
        {"listbox", "listbox", [](IniText& i) { listControl(i); }},
        {"filelistbox", "listbox", [](IniText& i) { listControl(i); }},
        {"combobox", "combobox", comboControl},
        {"fontcombobox", "combobox", comboControl},
        {"hscrollbar", "scrollbar", [](IniText& i) { scrollBarControl(i, false); }},
        {"vscrollbar", "scrollbar", [](IniText& i) { scrollBarControl(i, true); }},
        {"spinedit", "spinedit",
         [](IniText& i) {
             editControl(i, 2);
             arrowPairRects(i, "up", "down");
         }},
        {"scrollbox", "scrollbox", [](IniText& i) { editControl(i, 2); }},
        {"treeview", "treeview",
         [](IniText& i) {
             listControl(i);
             i.box("expandimagerect", sheetCell("treeplus").box);
             i.box("noexpandimagerect", sheetCell("treeminus").box);
         }},
        {"bevel", "bevel", [](IniText& i) { frameKeys(i, "etched", 4, 2); }},
        {"divider", "bevel", [](IniText& i) { frameKeys(i, "griph", 2, 0); }},
        {"slider", "slider", [](IniText& i) { sliderControl(i, false); }},
        {"vslider", "slider", [](IniText& i) { sliderControl(i, true); }},
        {"listview", "listview",
         [](IniText& i) {
             listControl(i);
             i.box("headerrect", sheetCell("header").box);
             i.box("activeheaderrect", sheetCell("header.hot").box);
             i.box("downheaderrect", sheetCell("header.down").box);
         }},
        {"richedit", "richedit", [](IniText& i) { editControl(i, 3); }},
    };
}

void skinControls(IniText& ini) {
    const std::vector<ControlEntry> entries = controlEntries();
    std::vector<std::string> list;
    for (const ControlEntry& e : entries) list.push_back(std::string(e.section) + ":" + std::string(e.kind));
    ini.section("SKINCONTROLS");
    ini.list("count", list);
    for (const ControlEntry& e : entries) {
        ini.section(e.section);
        e.keys(ini);
    }
}

}  // namespace

std::string skinIniText() {
    IniText ini;
    versionSection(ini);
    picturesSection(ini);
    formInfoSection(ini);
    popupWindowSection(ini);
    hintWindowSection(ini);
    skinObjects(ini);
    skinControls(ini);
    return ini.text();
}

}  // namespace skinart

#include "skin/model/skin_objects.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "skin/model/skin_ini_values.h"

namespace veyrin {

namespace {

void readCommonKeys(const SkinSectionReader& r, TbsDataSkinObject& o) {
    o.hint = r.string("hint");
    o.activePictureIndex = r.integer("activepictureindex", -1);
    o.skinRectInAPicture = r.boolean("skinrectinapicture");
    o.skinRect = r.rect("skinrect");
    o.activeSkinRect = r.rect("activeskinrect");
    o.inActiveSkinRect = r.rect("inactiveskinrect");
    o.morphing = r.boolean("morphing");
    o.morphKind = r.morphKind("morphkind");
}

struct FontKeys {
    std::string& name;
    int& height;
    SkinFontStyle& style;
};

void readFont(const SkinSectionReader& r, FontKeys font) {
    font.name = r.string("fontname", "Arial");
    font.height = r.integer("fontheight", 14);
    font.style = r.fontStyle("fontstyle");
}

void readMenuItem(const SkinSectionReader& r, TbsDataSkinMenuItem& o) {
    o.itemLeftOffset = r.integer("itemleftoffset", 0);
    o.itemRightOffset = r.integer("itemrightoffset", 0);
    o.dividerRect = r.rect("dividerrect");
    o.dividerLeftOffset = r.integer("dividerleftoffset", 0);
    o.dividerRightOffset = r.integer("dividerrightoffset", 0);
    o.textRect = r.rect("textrect");
    readFont(r, {o.fontName, o.fontHeight, o.fontStyle});
    o.fontColor = r.colour("fontcolor");
    o.activeFontColor = r.colour("activefontcolor");
    o.unenabledFontColor = r.colour("unenabledfontcolor");
}

void readMainMenuItem(const SkinSectionReader& r, TbsDataSkinMainMenuItem& o) {
    o.itemLeftOffset = r.integer("itemleftoffset", 0);
    o.itemRightOffset = r.integer("itemrightoffset", 0);
    o.downRect = r.rect("downrect");
    o.textRect = r.rect("textrect");
    readFont(r, {o.fontName, o.fontHeight, o.fontStyle});
    o.fontColor = r.colour("fontcolor");
    o.activeFontColor = r.colour("activefontcolor");
    o.downFontColor = r.colour("downfontcolor");
    o.unenabledFontColor = r.colour("unenabledfontcolor");
}

void readButton(const SkinSectionReader& r, TbsDataSkinButton& o) {
    o.downRect = r.rect("downrect");
    o.disableSkinRect = r.rect("disableskinrsect");
}

void readStdButton(const SkinSectionReader& r, TbsDataSkinStdButton& o) {
    readButton(r, o);
    o.command = r.command("command");
    o.restoreRect = r.rect("restorerect");
    o.restoreActiveRect = r.rect("restoreactiverect");
    o.restoreDownRect = r.rect("restoredownrect");
    o.restoreInActiveRect = r.rect("restoreinactiverect");
}

void readCaption(const SkinSectionReader& r, TbsDataSkinCaption& o) {
    o.textRect = r.rect("textrect");
    readFont(r, {o.fontName, o.fontHeight, o.fontStyle});
    o.fontColor = r.colour("fontcolor");
    o.activeFontColor = r.colour("activefontcolor");
    o.alignment = r.alignment("alignment");
    o.shadow = r.boolean("shadow");
    o.shadowColor = r.colour("shadowcolor");
    o.activeShadowColor = r.colour("activeshadowcolor");
    o.frameRect = r.rect("framerect");
    o.activeFrameRect = r.rect("activeframerect");
    o.frameTextRect = r.rect("frametextrect");
    o.frameLeftOffset = r.integer("frameleftoffset", 0);
    o.frameRightOffset = r.integer("framerightoffset", 0);
}

// Animations run frame by frame; a blend between looks would fight with that.
void readAnimate(const SkinSectionReader& r, TbsDataSkinAnimate& o) {
    o.morphing = false;
    o.countFrames = r.integer("countframes", 1);
    o.cycle = r.boolean("cycle");
    o.buttonStyle = r.boolean("buttonstyle");
    o.timerInterval = r.integer("timerinterval", 50);
    o.command = r.command("command");
}

template <typename Description, typename ReadOwnKeys>
std::unique_ptr<TbsDataSkinObject> make(SkinObjectKind kind, const SkinSectionReader& r, ReadOwnKeys readOwnKeys) {
    auto o = std::make_unique<Description>();
    o->kind = kind;
    readCommonKeys(r, *o);
    readOwnKeys(r, *o);
    return o;
}

constexpr std::array<std::string_view, 28> kControlKinds = {
    "panel",    "expanel",  "menubutton",   "button",  "checkradio", "gauge",     "splitter",
    "trackbar", "label",    "stdlabel",     "updown",  "grid",       "tab",       "mainmenubar",
    "controlbar", "memo",   "edit",         "checklistbox", "listbox", "combobox", "scrollbar",
    "spinedit", "scrollbox", "treeview",    "bevel",   "slider",     "listview",  "richedit"};

}  // namespace

std::unique_ptr<TbsDataSkinObject> readSkinObject(const SkinIniText& ini, const std::string& name,
                                                  const std::string& kind) {
    const SkinSectionReader r(ini, name);
    const std::string k = foldSkinName(kind);
    std::unique_ptr<TbsDataSkinObject> o;
    using K = SkinObjectKind;
    if (k == "menuitem") o = make<TbsDataSkinMenuItem>(K::MenuItem, r, readMenuItem);
    else if (k == "mainmenubaritem") o = make<TbsDataSkinMainMenuItem>(K::MainMenuBarItem, r, readMainMenuItem);
    else if (k == "button") o = make<TbsDataSkinButton>(K::Button, r, readButton);
    else if (k == "stdbutton") o = make<TbsDataSkinStdButton>(K::StdButton, r, readStdButton);
    else if (k == "mainmenubarbutton") o = make<TbsDataSkinMainMenuBarButton>(K::MainMenuBarButton, r, readStdButton);
    else if (k == "caption") o = make<TbsDataSkinCaption>(K::Caption, r, readCaption);
    else if (k == "animate") o = make<TbsDataSkinAnimate>(K::Animate, r, readAnimate);
    else if (k == "userobject") {
        auto user = std::make_unique<TbsDataUserObject>();
        user->kind = K::UserObject;
        user->skinRect = r.rect("skinrect");
        o = std::move(user);
    }
    if (o) o->idName = name;
    return o;
}

std::optional<TbsDataSkinControl> readSkinControl(const SkinIniText& ini, const std::string& name,
                                                  const std::string& kind) {
    const std::string k = foldSkinName(kind);
    if (std::find(kControlKinds.begin(), kControlKinds.end(), k) == kControlKinds.end()) return std::nullopt;
    TbsDataSkinControl control{name, k, {}};
    if (const SkinIniText::Section* section = ini.findSection(name))
        for (const auto& [key, value] : section->values) control.values.emplace(key, value);
    return control;
}

}  // namespace veyrin

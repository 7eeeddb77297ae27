#pragma once
// One item of a skinned menu: what the menu engine lays out, draws and runs. Captions are the
// program's own texts (UTF-8); "&" marks the accelerator and "&&" stands for a literal "&".

#include <string>
#include <vector>

namespace veyrin {

// The small pictures drawn in the glyph column of the system menu's default items.
enum class MenuGlyph { None, Minimize, Restore, Maximize, RollUp, MinimizeToTray, Close };

// What a default item of the system or tray menu does; items of the program's own menus carry
// Custom and their own action id.
enum class MenuCommand { Custom, Minimize, Restore, Maximize, RollUp, MinimizeToTray, Close, RestoreFromTray };

struct TbsMenuItem {
    std::string caption;   // "-" makes a separator
    std::string shortCut;  // shown right-aligned, e.g. "Alt+F4"
    std::string name;      // fixed internal name of a default item, empty for the program's items
    MenuGlyph glyph = MenuGlyph::None;
    MenuCommand command = MenuCommand::Custom;
    int actionId = -1;
    bool enabled = true;
    bool visible = true;
    bool checked = false;
    bool radio = false;  // a checked radio item shows a dot instead of a tick
    std::vector<TbsMenuItem> items;  // the submenu

    static TbsMenuItem separator() {
        TbsMenuItem item;
        item.caption = "-";
        return item;
    }

    bool isSeparator() const { return caption == "-"; }
    bool hasSubmenu() const { return !items.empty(); }
    // Can take the highlight from the keyboard.
    bool isSelectable() const { return visible && enabled && !isSeparator(); }
};

// The caption as drawn: accelerator marks removed, "&&" shown as one "&".
std::string menuCaptionText(const std::string& caption);

// The lower-cased ASCII character after the first single "&", or 0 when the caption has none.
char menuAccelerator(const std::string& caption);

// The text whose width sizes an item: the caption, then two spaces and the short-cut text.
std::string menuMeasuredText(const TbsMenuItem& item);

}  // namespace veyrin

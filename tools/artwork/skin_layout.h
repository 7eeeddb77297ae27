#pragma once
// Where everything sits in the skin's pictures. The drawing (skin_artwork.cpp) and skin.ini
// (skin_ini.cpp) both read these tables, so a rectangle named in skin.ini always shows the look
// drawn for it. Rectangles are left, top, right, bottom with right and bottom exclusive.

#include <array>
#include <string_view>

namespace skinart {

struct Box {
    int left = 0, top = 0, right = 0, bottom = 0;
    constexpr int width() const { return right - left; }
    constexpr int height() const { return bottom - top; }
    constexpr Box moved(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr Box inset(int d) const { return {left + d, top + d, right - d, bottom - d}; }
};

struct Point {
    int x = 0, y = 0;
};

// ---------------------------------------------------------------------------------------------
// The frame picture and its mask

inline constexpr int kFrameWidth = 188, kFrameHeight = 128;
inline constexpr Box kClientRect{11, 32, 177, 118};
inline constexpr Box kMaskRectArea{5, 4, 183, 124};
inline constexpr Point kFrameLeftTop{89, 39}, kFrameRightTop{97, 37}, kFrameLeftBottom{14, 115},
    kFrameRightBottom{174, 116};
// The window's outline: corner radii of the shape the mask cuts.
inline constexpr int kTopCornerRadius = 8, kBottomCornerRadius = 5;
inline constexpr Box kCaptionRect{79, 3, 109, 30};
// The caption buttons stand on a bar that ends above the client area's inner ink line.
inline constexpr int kCaptionBarBottom = 31;

enum class Glyph { SystemMenu, RollUp, Tray, Minimize, Maximize, Close };

struct CaptionButton {
    std::string_view section;
    Glyph glyph;
    std::string_view command;
    std::string_view hint;
    Box normal;  // in the frame picture
    Box hot;     // in active picture 0, the same size
};

inline constexpr std::array<CaptionButton, 6> kCaptionButtons{{
    {"closebutton", Glyph::Close, "cmclose", "Close", {158, 5, 181, 29}, {31, 32, 54, 56}},
    {"minimizebutton", Glyph::Minimize, "cmminimize", "Minimize", {110, 5, 133, 29}, {31, 88, 54, 112}},
    {"maximizebutton", Glyph::Maximize, "cmmaximize", "Maximize", {134, 5, 157, 29}, {31, 61, 54, 85}},
    {"rollupbutton", Glyph::RollUp, "cmrollup", "RollUp", {31, 5, 54, 29}, {87, 32, 110, 56}},
    {"sysmenubutton", Glyph::SystemMenu, "cmsysmenu", "System menu", {7, 5, 30, 29}, {87, 61, 110, 85}},
    {"traybutton", Glyph::Tray, "cmminimizetotray", "MinimizeToTray", {55, 5, 78, 29}, {86, 88, 109, 112}},
}};

// Every disabled caption button shows this one look of active picture 0.
inline constexpr Box kDisabledButton{7, 115, 30, 139};

// ---------------------------------------------------------------------------------------------
// Active pictures

struct PictureSize {
    int width, height, bitsPerPixel;
};

inline constexpr std::array<PictureSize, 6> kActivePictures{{
    {118, 141, 24},  // 0: caption button looks
    {88, 80, 8},     // 1: popup menu window
    {70, 116, 8},    // 2: menu items
    {42, 22, 8},     // 3: hint window
    {516, 318, 8},   // 4: control looks
    {53, 31, 1},     // 5: shape of the round button
}};

inline constexpr std::array<std::string_view, 6> kActivePictureFiles{
    "buttons.bmp", "popup.bmp", "menuitem.bmp", "hint.bmp", "controls.bmp", "controlsmask.bmp"};
inline constexpr std::string_view kFramePictureFile = "frame.bmp";
inline constexpr std::string_view kMaskFile = "mask.bmp";

// Picture 0, top band: the small buttons of a main menu bar (normal, hot, pressed looks).
enum class MenuBarButton { SystemMenu, Close, Maximize, Minimize };
inline constexpr int kMenuBarButtonWidth = 16, kMenuBarButtonHeight = 14;
// Look `state` (0 normal, 1 hot, 2 down) of a menu bar button: four buttons, three looks each.
constexpr Box menuBarButtonBox(MenuBarButton button, int state) {
    int slot = static_cast<int>(button) * 3 + state;
    int x = 2 + (slot % 6) * (kMenuBarButtonWidth + 2);
    int y = 1 + (slot / 6) * (kMenuBarButtonHeight + 2);
    return {x, y, x + kMenuBarButtonWidth, y + kMenuBarButtonHeight};
}

// Popup menu window (picture 1).
inline constexpr Box kPopupItemsRect{14, 3, 84, 76};
inline constexpr Point kPopupLeftTop{18, 8}, kPopupRightTop{81, 7}, kPopupLeftBottom{16, 72}, kPopupRightBottom{79, 74};

// Menu items (picture 2).
inline constexpr Box kMenuItemNormal{1, 22, 68, 42};
inline constexpr Box kMenuItemActive{1, 1, 68, 21};
inline constexpr Box kMenuDivider{0, 41, 68, 46};
inline constexpr Box kMenuItemText{2, 2, 66, 18};
inline constexpr int kMenuItemSideOffset = 20;
inline constexpr int kDividerLeftOffset = 35, kDividerRightOffset = 3;

// Hint window (picture 3).
inline constexpr Box kHintClientRect{12, 3, 38, 19};
inline constexpr Point kHintLeftTop{13, 7}, kHintRightTop{38, 3}, kHintLeftBottom{12, 17}, kHintRightBottom{37, 18};

// ---------------------------------------------------------------------------------------------
// The control sheet (picture 4): one cell per look; the SKINCONTROLS sections name these.

enum class Look {
    RaisedFrame, SunkenFrame, CaptionFrame, GroupFrame, TabPage, GridFrame, BarFrame, EtchedFrame,
    Button, Tab, MenuBarBack, ToolButton, MenuBarItem, Check, Radio, Arrow, ComboButton,
    TrackH, ThumbH, TrackV, ThumbV, GaugeH, GaugeBarH, GaugeV, GaugeBarV, RailH, ThumbRailH,
    RailV, ThumbRailV, Knob, GripH, GripV, Header, TreeBox, RoundButton, Dropdown
};

enum class Direction { Up, Down, Left, Right };

struct Cell {
    std::string_view name;
    Look look;
    Box box;
    int state = 0;  // 0 normal, 1 hot, 2 down, 3 disabled; for marks: checked state in bit 2
    Direction direction = Direction::Up;
};

// Frames and panels take the top row (64 x 64 each); the states of a look sit side by side.
inline constexpr Cell kSheet[] = {
    {"raised", Look::RaisedFrame, {0, 0, 64, 64}},
    {"sunken", Look::SunkenFrame, {64, 0, 128, 64}},
    {"captionframe", Look::CaptionFrame, {128, 0, 192, 64}},
    {"groupframe", Look::GroupFrame, {192, 0, 256, 64}},
    {"tabpage", Look::TabPage, {256, 0, 320, 64}},
    {"gridframe", Look::GridFrame, {320, 0, 384, 64}},
    {"barframe", Look::BarFrame, {384, 0, 448, 64}},
    {"etched", Look::EtchedFrame, {448, 0, 512, 64}},

    {"button", Look::Button, {0, 66, 64, 90}, 0},
    {"button.hot", Look::Button, {64, 66, 128, 90}, 1},
    {"button.down", Look::Button, {128, 66, 192, 90}, 2},
    {"button.off", Look::Button, {192, 66, 256, 90}, 3},
    {"tab", Look::Tab, {256, 66, 320, 90}, 0},
    {"tab.hot", Look::Tab, {320, 66, 384, 90}, 1},
    {"tab.down", Look::Tab, {384, 66, 448, 90}, 2},
    {"menubarback", Look::MenuBarBack, {448, 66, 512, 90}},

    {"tool", Look::ToolButton, {0, 92, 26, 118}, 0},
    {"tool.hot", Look::ToolButton, {26, 92, 52, 118}, 1},
    {"tool.down", Look::ToolButton, {52, 92, 78, 118}, 2},
    {"tool.off", Look::ToolButton, {78, 92, 104, 118}, 3},
    {"baritem", Look::MenuBarItem, {106, 94, 146, 116}, 0},
    {"baritem.hot", Look::MenuBarItem, {146, 94, 186, 116}, 1},
    {"baritem.down", Look::MenuBarItem, {186, 94, 226, 116}, 2},
    {"check", Look::Check, {230, 92, 243, 105}, 0},
    {"check.hot", Look::Check, {245, 92, 258, 105}, 1},
    {"check.down", Look::Check, {260, 92, 273, 105}, 2},
    {"check.off", Look::Check, {275, 92, 288, 105}, 3},
    {"checked", Look::Check, {290, 92, 303, 105}, 4},
    {"checked.hot", Look::Check, {305, 92, 318, 105}, 5},
    {"checked.down", Look::Check, {320, 92, 333, 105}, 6},
    {"checked.off", Look::Check, {335, 92, 348, 105}, 7},
    {"radio", Look::Radio, {230, 106, 243, 119}, 0},
    {"radio.hot", Look::Radio, {245, 106, 258, 119}, 1},
    {"radio.down", Look::Radio, {260, 106, 273, 119}, 2},
    {"radio.off", Look::Radio, {275, 106, 288, 119}, 3},
    {"radioon", Look::Radio, {290, 106, 303, 119}, 4},
    {"radioon.hot", Look::Radio, {305, 106, 318, 119}, 5},
    {"radioon.down", Look::Radio, {320, 106, 333, 119}, 6},
    {"radioon.off", Look::Radio, {335, 106, 348, 119}, 7},
    {"combo", Look::ComboButton, {352, 94, 369, 114}, 0},
    {"combo.hot", Look::ComboButton, {371, 94, 388, 114}, 1},
    {"combo.down", Look::ComboButton, {390, 94, 407, 114}, 2},
    {"dropdown", Look::Dropdown, {410, 94, 510, 114}},

    {"up", Look::Arrow, {0, 122, 16, 138}, 0, Direction::Up},
    {"up.hot", Look::Arrow, {16, 122, 32, 138}, 1, Direction::Up},
    {"up.down", Look::Arrow, {32, 122, 48, 138}, 2, Direction::Up},
    {"up.off", Look::Arrow, {48, 122, 64, 138}, 3, Direction::Up},
    {"down", Look::Arrow, {64, 122, 80, 138}, 0, Direction::Down},
    {"down.hot", Look::Arrow, {80, 122, 96, 138}, 1, Direction::Down},
    {"down.down", Look::Arrow, {96, 122, 112, 138}, 2, Direction::Down},
    {"down.off", Look::Arrow, {112, 122, 128, 138}, 3, Direction::Down},
    {"left", Look::Arrow, {128, 122, 144, 138}, 0, Direction::Left},
    {"left.hot", Look::Arrow, {144, 122, 160, 138}, 1, Direction::Left},
    {"left.down", Look::Arrow, {160, 122, 176, 138}, 2, Direction::Left},
    {"left.off", Look::Arrow, {176, 122, 192, 138}, 3, Direction::Left},
    {"right", Look::Arrow, {192, 122, 208, 138}, 0, Direction::Right},
    {"right.hot", Look::Arrow, {208, 122, 224, 138}, 1, Direction::Right},
    {"right.down", Look::Arrow, {224, 122, 240, 138}, 2, Direction::Right},
    {"right.off", Look::Arrow, {240, 122, 256, 138}, 3, Direction::Right},
    {"header", Look::Header, {260, 122, 324, 142}, 0},
    {"header.hot", Look::Header, {326, 122, 390, 142}, 1},
    {"header.down", Look::Header, {392, 122, 456, 142}, 2},
    {"treeplus", Look::TreeBox, {460, 126, 469, 135}, 0},
    {"treeminus", Look::TreeBox, {472, 126, 481, 135}, 4},

    {"trackh", Look::TrackH, {0, 146, 96, 162}},
    {"thumbh", Look::ThumbH, {96, 146, 136, 162}, 0},
    {"thumbh.hot", Look::ThumbH, {136, 146, 176, 162}, 1},
    {"gaugeh", Look::GaugeH, {180, 146, 280, 162}},
    {"gaugebarh", Look::GaugeBarH, {284, 146, 384, 162}},
    {"railh", Look::RailH, {388, 150, 488, 158}},

    {"trackv", Look::TrackV, {0, 166, 16, 262}},
    {"thumbv", Look::ThumbV, {18, 166, 34, 206}, 0},
    {"thumbv.hot", Look::ThumbV, {36, 166, 52, 206}, 1},
    {"gaugev", Look::GaugeV, {56, 166, 72, 266}},
    {"gaugebarv", Look::GaugeBarV, {76, 166, 92, 266}},
    {"railv", Look::RailV, {98, 166, 106, 266}},
    {"knobh", Look::ThumbRailH, {112, 166, 123, 185}, 0},
    {"knobh.hot", Look::ThumbRailH, {126, 166, 137, 185}, 1},
    {"knobv", Look::ThumbRailV, {112, 190, 131, 201}, 0},
    {"knobv.hot", Look::ThumbRailV, {112, 204, 131, 215}, 1},
    {"knob", Look::Knob, {140, 166, 155, 181}, 0},
    {"knob.hot", Look::Knob, {158, 166, 173, 181}, 1},
    {"griph", Look::GripH, {180, 170, 244, 176}},
    {"gripv", Look::GripV, {250, 166, 256, 230}},
    {"roundbutton", Look::RoundButton, {0, 280, 53, 311}, 0},
    {"roundbutton.hot", Look::RoundButton, {56, 280, 109, 311}, 1},
    {"roundbutton.down", Look::RoundButton, {112, 280, 165, 311}, 2},
    {"roundbutton.off", Look::RoundButton, {168, 280, 221, 311}, 3},
    {"gripdots", Look::GripH, {180, 180, 244, 186}},
    {"griplong", Look::GripV, {262, 166, 268, 262}},
};


inline constexpr int kRoundButtonMaskPicture = 5;
inline constexpr int kControlPicture = 4;

// The sheet cell of that name; naming a cell that does not exist stops the build of the tables.
constexpr const Cell& sheetCell(std::string_view name) {
    for (const Cell& cell : kSheet) {
        if (cell.name == name) return cell;
    }
    throw "no such cell in the control sheet";
}

}  // namespace skinart

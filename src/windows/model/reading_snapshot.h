#pragma once
// What a reading window starts from: the main window's text, view font and colours, ruled-line
// switch and notes, taken as plain values when the window is made. The reading window never sees
// the main window itself, so nothing it does can reach back into it.

#include <string>
#include <vector>

#include "platform/model/color.h"

namespace veyrin {

struct ReadingSnapshot {
    std::vector<std::string> lines;  // GBK, one entry per line of the main view
    std::string fontName;
    TColor fontColor = clWindowText;
    int fontSize = 9;  // points
    TColor background = clWindow;
    bool ruledLines = true;
    std::string note1;  // GBK text of the first note box
    std::string note2;
};

}  // namespace veyrin

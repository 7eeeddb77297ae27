#pragma once
// The skinned message box component each window holds. The program's own messages go through the
// plain message box, so this one only keeps the properties its window gives it.

#include <string>

#include "skin/model/font_description.h"

namespace veyrin {

class TbsSkinData;

struct TbsSkinMessage {
    bool AlphaBlend = false;
    bool AlphaBlendAnimation = false;
    int AlphaBlendValue = 200;
    const TbsSkinData* SkinData = nullptr;
    const TbsSkinData* CtrlSkinData = nullptr;
    std::string ButtonSkinDataName = "button";
    std::string MessageLabelSkinDataName = "stdlabel";
    FontDescription DefaultFont{"Arial", 14, {}, clWindowText, kDefaultCharset};
    FontDescription DefaultButtonFont{"Arial", 14, {}, clWindowText, kDefaultCharset};
    bool UseSkinFont = true;
};

}  // namespace veyrin

#pragma once
// The open-skin dialog component each window holds. No skin is ever opened by the reader, so the
// dialog only keeps the properties its window gives it.

#include <string>

#include "skin/model/font_description.h"

namespace veyrin {

class TbsSkinData;

struct TbsOpenSkinDialog {
    // Every window's description sets these two; they are the component's values from creation.
    static constexpr const char* kTitle = "Open skin";
    static constexpr const char* kFilter = "Compressed skin (*.skn)|*.skn|UnCompressed skin (*.ini)|*.ini";

    int DialogWidth = 0;
    int DialogHeight = 0;
    int DialogMinWidth = 0;
    int DialogMinHeight = 0;
    int CompressedFilterIndex = 1;
    int UnCompressedFilterIndex = 2;
    bool AlphaBlend = false;
    bool AlphaBlendAnimation = false;
    int AlphaBlendValue = 200;
    bool CtrlAlphaBlend = false;
    bool CtrlAlphaBlendAnimation = false;
    int CtrlAlphaBlendValue = 200;
    std::string LVHeaderSkinDataName;
    const TbsSkinData* SkinData = nullptr;
    const TbsSkinData* CtrlSkinData = nullptr;
    FontDescription DefaultFont{"Arial", 14, {}, clWindowText, kDefaultCharset};
    std::string Title = kTitle;
    std::string Filter = kFilter;
    int FilterIndex = 1;
};

}  // namespace veyrin

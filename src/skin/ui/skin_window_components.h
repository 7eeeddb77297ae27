#pragma once
// The skin components a window holds beside its frame: the hint component (a child of the
// window, so it lives as long as the window) and the message box and open-skin dialog, which the
// program never shows and which only keep their properties. A window declares one of these as a
// member and links it to its skin data once that is loaded.

#include "skin/model/open_skin_dialog.h"
#include "skin/model/skin_message.h"

class QWidget;

namespace veyrin {

class TbsSkinData;
class TbsSkinHint;

struct SkinWindowComponents {
    explicit SkinWindowComponents(QWidget& window, const TbsSkinData* skinData = nullptr);
    // The hint component belongs to one window.
    SkinWindowComponents(const SkinWindowComponents&) = delete;
    SkinWindowComponents& operator=(const SkinWindowComponents&) = delete;

    // Links the hint component, the message box and the dialog to `skinData`.
    void setSkinData(const TbsSkinData* skinData);

    TbsSkinHint* hint;
    TbsSkinMessage message;
    TbsOpenSkinDialog openSkinDialog;
};

}  // namespace veyrin

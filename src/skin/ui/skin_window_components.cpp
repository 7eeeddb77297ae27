#include "skin/ui/skin_window_components.h"

#include "skin/ui/skin_hint.h"

namespace veyrin {

SkinWindowComponents::SkinWindowComponents(QWidget& window, const TbsSkinData* skinData)
    : hint(new TbsSkinHint(&window, skinData)) {
    setSkinData(skinData);
}

void SkinWindowComponents::setSkinData(const TbsSkinData* skinData) {
    hint->setSkinData(skinData);
    message.SkinData = skinData;
    openSkinDialog.SkinData = skinData;
}

}  // namespace veyrin

#pragma once
// The window descriptions of a skin: "FORMINFO" (frame geometry), "POPUPWINDOW" and "HINTWINDOW".

#include "skin/model/skin_data.h"
#include "skin/model/skin_ini_text.h"

namespace veyrin {

// Reads "FORMINFO" and settles it: with a mask the mask area covers at least the client
// rectangle and absent hit-test corners fall back to the anchors; the anchors are kept inside the
// client rectangle unless the skin pins both to one column or row.
TbsFormInfo readFormInfo(const SkinIniText& ini, bool maskNamed);
void settleFormInfo(TbsFormInfo& info, bool maskNamed);

TbsDataSkinPopupWindow readPopupWindow(const SkinIniText& ini);
TbsDataSkinHintWindow readHintWindow(const SkinIniText& ini);

}  // namespace veyrin

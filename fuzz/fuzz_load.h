#pragma once
// What both fuzz targets do with a store: load it as a window would. Every failure must be an
// AppError with a message; anything else (a crash, a sanitizer report, another exception) is a
// finding.

#include <cstdlib>

#include "platform/model/app_error.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_data.h"

namespace veyrin::fuzz {

inline void loadStore(const TbsCompressedStoredSkin& store) {
    TbsSkinData skin;
    try {
        skin.setCompressedStoredSkin(&store);
    } catch (const AppError& e) {
        if (!skin.empty() || !skin.objects().empty() || e.what()[0] == '\0') std::abort();
        return;
    }
    // A loaded skin is used by index; looking every object's pictures up must be safe.
    for (const auto& object : skin.objects()) (void)skin.activePicture(object->activePictureIndex);
    (void)skin.findObject("closebutton");
    (void)skin.findControl("button");
}

}  // namespace veyrin::fuzz

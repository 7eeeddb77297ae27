#pragma once
// What a frame takes from a loaded skin: its pictures, "FORMINFO" and the object descriptions. It
// refers into the skin data, which outlives the frame's use of it (the frame lets go of it on the
// skin-changing notice).

#include <vector>

#include "skin/model/picture_composition.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_frame_geometry.h"

namespace veyrin {

struct FrameSkin {
    const SkinBitmap* picture = nullptr;
    const SkinBitmap* inactivePicture = nullptr;
    const SkinBitmap* mask = nullptr;
    const std::vector<SkinBitmap>* activePictures = nullptr;
    TbsFormInfo formInfo;
    std::vector<const TbsDataSkinObject*> objects;

    bool usable() const { return picture && !picture->isEmpty(); }
    bool hasMask() const { return mask && !mask->isEmpty(); }
    SkinFrameLayout layout() const { return {picture ? picture->width : 0, picture ? picture->height : 0, formInfo}; }
    CompositionSource composition() const {
        return {picture ? picture->width : 0, picture ? picture->height : 0, formInfo.anchors, formInfo.clientRect};
    }
};

// The frame's view of a loaded skin; an empty skin gives a view that is not usable.
FrameSkin frameSkinOf(const TbsSkinData& data);

}  // namespace veyrin

#include "skin/model/frame_skin.h"

namespace veyrin {

FrameSkin frameSkinOf(const TbsSkinData& data) {
    FrameSkin skin;
    if (data.empty()) return skin;
    skin.picture = &data.picture();
    skin.inactivePicture = &data.inactivePicture();
    skin.mask = &data.mask();
    skin.activePictures = &data.activePictures();
    skin.formInfo = data.formInfo();
    for (const auto& object : data.objects()) skin.objects.push_back(object.get());
    return skin;
}

}  // namespace veyrin

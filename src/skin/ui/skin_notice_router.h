#pragma once
// Carries a skin data's notices to the frames: first to the frame of the window that owns the
// skin data, then to every other frame in the order the windows were created. Each frame acts
// only on notices from the skin data it uses.

#include <vector>

#include "skin/model/skin_data.h"

namespace veyrin {

class TbsBusinessSkinForm;

class SkinNoticeRouter {
public:
    static SkinNoticeRouter& instance();

    void add(TbsBusinessSkinForm* form);
    void remove(TbsBusinessSkinForm* form);
    void deliver(SkinNotice notice, const TbsSkinData& sender, TbsBusinessSkinForm* owner) const;
    // The sink to give the skin data owned by `owner`'s window.
    TbsSkinData::NoticeSink sinkFor(TbsBusinessSkinForm* owner);

private:
    std::vector<TbsBusinessSkinForm*> forms_;
};

}  // namespace veyrin

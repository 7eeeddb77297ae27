#include "skin/ui/skin_notice_router.h"

#include <algorithm>

#include "skin/ui/business_skin_form.h"

namespace veyrin {

SkinNoticeRouter& SkinNoticeRouter::instance() {
    static SkinNoticeRouter router;
    return router;
}

void SkinNoticeRouter::add(TbsBusinessSkinForm* form) {
    if (std::find(forms_.begin(), forms_.end(), form) == forms_.end()) forms_.push_back(form);
}

void SkinNoticeRouter::remove(TbsBusinessSkinForm* form) { forms_.erase(std::remove(forms_.begin(), forms_.end(), form), forms_.end()); }

void SkinNoticeRouter::deliver(SkinNotice notice, const TbsSkinData& sender, TbsBusinessSkinForm* owner) const {
    // A frame may go away while a notice is handled, so walk a copy and skip the ones removed.
    const std::vector<TbsBusinessSkinForm*> forms = forms_;
    auto stillThere = [this](TbsBusinessSkinForm* form) { return std::find(forms_.begin(), forms_.end(), form) != forms_.end(); };
    if (owner && stillThere(owner)) owner->skinNotice(notice, sender);
    for (TbsBusinessSkinForm* form : forms) {
        if (form != owner && stillThere(form)) form->skinNotice(notice, sender);
    }
}

TbsSkinData::NoticeSink SkinNoticeRouter::sinkFor(TbsBusinessSkinForm* owner) {
    return [this, owner](SkinNotice notice, const TbsSkinData& sender) { deliver(notice, sender, owner); };
}

}  // namespace veyrin

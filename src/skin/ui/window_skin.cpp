#include "skin/ui/window_skin.h"

#include "platform/model/app_error.h"
#include "skin/ui/business_skin_form.h"
#include "skin/ui/skin_notice_router.h"
#include "skin/ui/stored_skin.h"

namespace veyrin {
namespace {

void setSharedFrameProperties(TbsBusinessSkinForm& form, TbsBorderIcons icons) {
    form.setBorderIcons(icons);
    form.Magnetic = true;
    form.MagneticSize = 10;
    form.ShowIcon = false;
    form.AlphaBlend = false;
    form.AlphaBlendAnimation = true;
    form.AlphaBlendValue = 0;
    form.UseDefaultSysMenu = true;
    form.setHideCaptionButtons(false);
    form.AlwaysShowInTray = false;
    form.AlwaysMinimizeToTray = false;
    form.MaximizeOnFullScreen = false;
    form.UseSkinFontInMenu = true;
    form.setShowObjectHint(true);
    form.setUseDefaultObjectHint(true);
    form.MaxMenuItemsInWindow = 0;
    form.DefMenuItemHeight = 20;
}

}  // namespace

WindowSkin::WindowSkin(TbsBusinessSkinForm& form, TbsBorderIcons icons)
    : form_(form), store_(makeStoredSkin()), store2x_(makeStoredSkin(2)), store3x_(makeStoredSkin(3)) {
    setSharedFrameProperties(form, icons);
    form.setSkinData(&skinData_);
    skinData_.setNoticeSink(SkinNoticeRouter::instance().sinkFor(&form));
    try {
        skinData_.setCompressedStoredSkin(&store_, {{2, &store2x_}, {3, &store3x_}});
    } catch (const AppError&) {
        // The compiled-in skin is checked when the program is built; should it still fail, the
        // window keeps its built-in frame rather than not opening at all.
        form.setSkinData(nullptr);
    }
}

WindowSkin::~WindowSkin() {
    if (form_.skinData() == &skinData_) form_.setSkinData(nullptr);
}

}  // namespace veyrin

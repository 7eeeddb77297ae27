#pragma once
// The skin of one window: its own store of the compiled-in skin and its own loaded skin data,
// linked to the window's frame with the frame properties every window of the program shares.

#include "skin/model/border_icons.h"
#include "skin/model/compressed_stored_skin.h"
#include "skin/model/skin_data.h"

namespace veyrin {

class TbsBusinessSkinForm;

class WindowSkin {
public:
    // Loads the compiled-in skin into `form`'s window. A skin that cannot be loaded leaves the
    // built-in frame.
    WindowSkin(TbsBusinessSkinForm& form, TbsBorderIcons icons);
    ~WindowSkin();
    WindowSkin(const WindowSkin&) = delete;
    WindowSkin& operator=(const WindowSkin&) = delete;

    const TbsSkinData& skinData() const { return skinData_; }

private:
    TbsBusinessSkinForm& form_;
    TbsCompressedStoredSkin store_;
    TbsCompressedStoredSkin store2x_, store3x_;  // the same skin drawn for 2x and 3x screens
    TbsSkinData skinData_;
};

}  // namespace veyrin

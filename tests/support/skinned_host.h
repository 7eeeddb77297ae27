#pragma once
// A frame host for the skin's widget tests: the main window's caption buttons, and a window that
// counts the close requests its caption buttons make instead of closing.

#include "skin/model/border_icons.h"
#include "skin/ui/frame_host.h"

namespace veyrin::test {

inline const TbsBorderIcons kMainWindowIcons{TbsBorderIcon::biSystemMenu, TbsBorderIcon::biMinimize,
                                             TbsBorderIcon::biRollUp, TbsBorderIcon::biMinimizeToTray};

class CountingHost : public FrameHost {
public:
    int closeRequests = 0;

protected:
    bool formClose() override {
        ++closeRequests;
        return true;
    }
};

}  // namespace veyrin::test

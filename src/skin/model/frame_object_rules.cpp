#include "skin/model/frame_object_rules.h"

#include <algorithm>
#include <cmath>

namespace veyrin {

std::vector<const TbsDataSkinObject*> frameObjectDescriptions(const std::vector<const TbsDataSkinObject*>& objects) {
    std::vector<const TbsDataSkinObject*> result;
    for (const TbsDataSkinObject* object : objects) {
        switch (object->kind) {
        case SkinObjectKind::MenuItem:
        case SkinObjectKind::MainMenuBarItem:
        case SkinObjectKind::MainMenuBarButton: break;
        default: result.push_back(object); break;
        }
    }
    return result;
}

bool commandOffered(TbsStdCommand command, TbsBorderIcons icons) {
    switch (command) {
    case TbsStdCommand::cmClose: return true;
    case TbsStdCommand::cmMinimize: return icons.contains(TbsBorderIcon::biMinimize);
    case TbsStdCommand::cmMaximize: return icons.contains(TbsBorderIcon::biMaximize);
    case TbsStdCommand::cmRollUp: return icons.contains(TbsBorderIcon::biRollUp);
    case TbsStdCommand::cmSysMenu: return icons.contains(TbsBorderIcon::biSystemMenu);
    case TbsStdCommand::cmMinimizeToTray: return icons.contains(TbsBorderIcon::biMinimizeToTray);
    case TbsStdCommand::cmDefault: return true;
    }
    return false;
}

ObjectAvailability buttonAvailability(TbsStdCommand command, TbsBorderIcons icons, bool hideCaptionButtons,
                                      bool skinRectInAPicture, bool customVisible) {
    if (command == TbsStdCommand::cmDefault && !hideCaptionButtons) return {true, customVisible};
    bool enabled = !hideCaptionButtons && commandOffered(command, icons);
    if (enabled) return {true, true};
    // A look drawn from the frame picture cannot be taken away, so it shows disabled instead.
    return {false, !skinRectInAPicture};
}

std::string defaultObjectHint(TbsStdCommand command) {
    switch (command) {
    case TbsStdCommand::cmClose: return "关闭";
    case TbsStdCommand::cmMaximize: return "最大化";
    case TbsStdCommand::cmMinimize: return "最小化";
    case TbsStdCommand::cmSysMenu: return "系统菜单";
    case TbsStdCommand::cmRollUp: return "向上卷拢";
    case TbsStdCommand::cmMinimizeToTray: return "最小化到图标";
    case TbsStdCommand::cmDefault: return {};
    }
    return {};
}

double nextMorphFactor(double factor, bool hot) {
    double next = hot ? std::min(1.0, factor + kMorphStep) : std::max(0.0, factor - kMorphStep);
    // Sums of 0.2 drift off the grid; without snapping a fade-out would need a sixth tick.
    return std::round(next * 1e6) / 1e6;
}

bool morphPending(double factor, bool hot) { return hot ? factor < 1.0 : factor > 0.0; }

ButtonLook buttonLook(const ButtonLookState& s) {
    // A settled button (fully hot, or back at rest) shows its picture whole, not a blend at 1.
    const bool blending = s.morphing && morphPending(s.morphFactor, s.hot);
    if (s.enabled && (s.windowActive || !s.hasInactiveRect) && s.inRestoreState && s.hasRestoreRect) {
        if (s.down && s.hot && s.hasRestoreDownRect) return ButtonLook::RestoreDown;
        if (blending && s.hasRestoreActiveRect) return ButtonLook::RestoreMorph;
        if (s.hot && s.hasRestoreActiveRect) return ButtonLook::RestoreHot;
        return ButtonLook::Restore;
    }
    if (!s.enabled && s.hasDisabledRect) return ButtonLook::Disabled;
    if (s.down && s.hot && s.hasDownRect) return ButtonLook::Down;
    if (s.enabled && !s.windowActive && s.hasInactiveRect) return ButtonLook::Inactive;
    if (blending && s.hasActiveRect) return ButtonLook::Morph;
    if (s.hot && s.hasActiveRect) return ButtonLook::Hot;
    return ButtonLook::Normal;
}

int captionCharactersThatFit(int count, int maxWidth, const std::function<int(int n, bool withDots)>& widthOf) {
    if (widthOf(count, false) <= maxWidth) return count;
    for (int n = count - 1; n > 0; --n) {
        if (widthOf(n, true) <= maxWidth) return n;
    }
    return 0;
}

FramePoint captionTextOrigin(const FrameRect& textRect, TbsTextAlignment alignment, int textWidth, int textHeight,
                             FramePoint objectOrigin) {
    int x = textRect.left + (textRect.width() - textWidth) / 2;
    if (alignment == TbsTextAlignment::taLeftJustify) x = textRect.left;
    if (alignment == TbsTextAlignment::taRightJustify) x = textRect.right - textWidth;
    int y = textRect.top + (textRect.height() - textHeight) / 2;
    return {x + objectOrigin.x, y + objectOrigin.y};
}

}  // namespace veyrin

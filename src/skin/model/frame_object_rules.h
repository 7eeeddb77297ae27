#pragma once
// The rules of the frame's caption buttons and caption that need no widget: which descriptions
// become objects, which buttons work, their hint texts, the blend animation's steps, which look a
// button shows, and how the title is cut and placed.

#include <functional>
#include <string>
#include <vector>

#include "skin/model/border_icons.h"
#include "skin/model/frame_rect.h"
#include "skin/model/skin_data.h"

namespace veyrin {

// The descriptions that become frame objects, in list order; menu items, menu bar items and menu
// bar buttons belong to the menus.
std::vector<const TbsDataSkinObject*> frameObjectDescriptions(const std::vector<const TbsDataSkinObject*>& objects);

struct ObjectAvailability {
    bool enabled = true;
    bool visible = true;
};

bool commandOffered(TbsStdCommand command, TbsBorderIcons icons);

// For a caption button (or animated object with a command). `customVisible` answers for
// cmDefault objects (the window's say, hidden when it has none).
ObjectAvailability buttonAvailability(TbsStdCommand command, TbsBorderIcons icons, bool hideCaptionButtons,
                                      bool skinRectInAPicture, bool customVisible);

// The program's own hint for a command, UTF-8; empty for cmDefault (the skin's text stays).
std::string defaultObjectHint(TbsStdCommand command);

// Morphing moves a factor in steps of 0.2 per tick towards 1 (hot) or 0, so a transition takes
// five ticks.
inline constexpr double kMorphStep = 0.2;
double nextMorphFactor(double factor, bool hot);
bool morphPending(double factor, bool hot);

enum class ButtonLook { Normal, Hot, Morph, Down, Disabled, Inactive, Restore, RestoreHot, RestoreMorph, RestoreDown };

struct ButtonLookState {
    bool enabled = true;
    bool windowActive = true;
    bool inRestoreState = false;  // maximise while maximised, minimise while minimised, roll-up while rolled up
    bool hot = false;
    bool down = false;
    bool morphing = false;
    double morphFactor = 0;
    bool hasInactiveRect = false, hasRestoreRect = false, hasRestoreActiveRect = false, hasRestoreDownRect = false;
    bool hasDisabledRect = false, hasDownRect = false, hasActiveRect = false;
};

ButtonLook buttonLook(const ButtonLookState& state);

// How many leading characters of a title of `count` characters to keep so that it fits `maxWidth`;
// `widthOf(n, withDots)` measures the first n characters, followed by "..." when asked. Returns
// `count` when the whole title fits, else the largest n whose text plus "..." fits (0: only "...").
int captionCharactersThatFit(int count, int maxWidth, const std::function<int(int n, bool withDots)>& widthOf);

// The title's top-left corner: the text rectangle (already widened by the caption's stretch) in
// the caption object's coordinates, moved to the object's position.
FramePoint captionTextOrigin(const FrameRect& textRect, TbsTextAlignment alignment, int textWidth, int textHeight,
                             FramePoint objectOrigin);

}  // namespace veyrin

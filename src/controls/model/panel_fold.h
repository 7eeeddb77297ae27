#pragma once
// The collapsible panel's geometry: the fold and unfold steps, the fold button and the rectangle
// its children are laid out in.

#include <vector>

#include "controls/model/pixel_rect.h"

namespace veyrin {

constexpr int kPanelFoldStep = 15;
constexpr int kPanelButtonWidth = 13;
constexpr int kPanelButtonHeight = 12;

// Height of the folded panel: the title strip, or 20 without one.
int foldedPanelHeight(int stripHeight);

// Intermediate heights shown while folding from `from` down to `to` (the final height not
// included), and while unfolding from `from` up to `to`.
std::vector<int> foldSteps(int from, int to);
std::vector<int> unfoldSteps(int from, int to);

// Where the mouse finds the fold button (edges included) and where its picture is drawn.
PixelRect foldButtonHitRect(int panelWidth, int stripHeight);
bool foldButtonHit(int panelWidth, int stripHeight, int x, int y);
PixelRect foldButtonPictureRect(int panelWidth, int stripHeight);

// Fold button frame (1-based, of 4): expanded 1, expanded and hot 2, folded 3, folded and hot 4.
int foldButtonFrame(bool expanded, bool hot);

// Children live inside the panel's 1-pixel bevel less a further 3 pixels, below the title strip.
struct Margins {
    int left, top, right, bottom;
    friend constexpr bool operator==(const Margins&, const Margins&) = default;
};
Margins panelContentMargins(int stripHeight);

}  // namespace veyrin

#include "controls/model/panel_fold.h"

namespace veyrin {

int foldedPanelHeight(int stripHeight) { return stripHeight > 0 ? stripHeight : 20; }

std::vector<int> foldSteps(int from, int to) {
    std::vector<int> steps;
    for (int height = from; to < height - kPanelFoldStep;) {
        height -= kPanelFoldStep;
        steps.push_back(height);
    }
    return steps;
}

std::vector<int> unfoldSteps(int from, int to) {
    std::vector<int> steps;
    for (int height = from; height + kPanelFoldStep < to;) {
        height += kPanelFoldStep;
        steps.push_back(height);
    }
    return steps;
}

PixelRect foldButtonHitRect(int panelWidth, int stripHeight) {
    return rectAt(panelWidth - 1 - kPanelButtonWidth - 4, (stripHeight - kPanelButtonHeight) / 2, kPanelButtonWidth,
                  kPanelButtonHeight);
}

bool foldButtonHit(int panelWidth, int stripHeight, int x, int y) {
    // The edges count as inside on all four sides.
    PixelRect r = foldButtonHitRect(panelWidth, stripHeight);
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}

PixelRect foldButtonPictureRect(int panelWidth, int stripHeight) {
    int hitTop = (stripHeight - kPanelButtonHeight) / 2;
    return rectAt(panelWidth - kPanelButtonWidth - 4, hitTop / 2 + 2, kPanelButtonWidth, kPanelButtonHeight);
}

int foldButtonFrame(bool expanded, bool hot) {
    if (expanded) return hot ? 2 : 1;
    return hot ? 4 : 3;
}

Margins panelContentMargins(int stripHeight) { return {1 + 3, stripHeight + 3, 1 + 3, 1 + 3}; }

}  // namespace veyrin

#pragma once
// The small window that names the top line while a view's scroll thumb is dragged: a hint window in
// the program's hint look. One instance serves every text view; it is created on first use and kept.

#include "platform/model/color.h"
#include "skin/ui/skin_hint_window.h"

namespace veyrin {

class TSynScrollHint : public TbsSkinHintWindow {
    Q_OBJECT
public:
    static constexpr int kMaxTextLength = 255;

    static TSynScrollHint& shared();
    // The shared window if it has been created, else null (lets tests look without creating it).
    static TSynScrollHint* existing();

    // Shows the text with its right side at `globalRight` and its top at `globalTop`.
    void showText(const QString& text, TColor background, int globalRight, int globalTop);

private:
    TSynScrollHint() = default;
};

}  // namespace veyrin

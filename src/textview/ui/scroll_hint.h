#pragma once
// The small window that names the top line while a view's scroll thumb is dragged. One instance
// serves every text view of the program; it is created on first use and kept.

#include <QLabel>

#include "platform/model/color.h"

namespace veyrin {

class TSynScrollHint : public QLabel {
    Q_OBJECT
public:
    static constexpr int kMaxWidth = 200;
    static constexpr int kMaxTextLength = 255;

    static TSynScrollHint& shared();
    // The shared window if it has been created, else null (lets tests look without creating it).
    static TSynScrollHint* existing();

    // Shows the text with its right side at `globalRight` and its top at `globalTop`.
    void showText(const QString& text, TColor background, int globalRight, int globalTop);

private:
    TSynScrollHint();
};

}  // namespace veyrin

#pragma once
// A caret or selection end in the text: byte column and line, both counted from 1.

#include <compare>

namespace veyrin {

struct TSynEditPos {
    int col = 1;
    int line = 1;

    friend constexpr bool operator==(const TSynEditPos&, const TSynEditPos&) = default;
    friend constexpr auto operator<=>(const TSynEditPos& a, const TSynEditPos& b) {
        if (auto byLine = a.line <=> b.line; byLine != 0) return byLine;
        return a.col <=> b.col;
    }
};

enum class TSynSelectionMode : unsigned char { smNormal = 0, smLine = 1, smColumn = 2 };

}  // namespace veyrin

#pragma once
// What the text view draws for a line, when that differs from what the line holds: the painter
// asks for each line's display text and draws it in place of the stored bytes, while copying,
// saving, undo and every position keep working on the stored lines. A display text must keep the
// line's byte length and the place of every double-byte character, so rows, wrapping, caret and
// selection stay where they were.

#include <string>
#include <string_view>

namespace veyrin {

class ISynDisplayText {
public:
    virtual ~ISynDisplayText() = default;
    // The bytes to draw for the stored (tab-expanded) line: `stored` itself, or a text of the same
    // length built in `scratch`.
    virtual std::string_view displayLine(std::string_view stored, std::string& scratch) const = 0;
};

}  // namespace veyrin

#pragma once
// The view's lines shown in traditional characters. A whole line is converted at once, so the
// tables can choose by the neighbouring characters (发 in 头发 and in 出发 differ), and each
// character is then put back in its own two bytes: a traditional form with no GBK code, or a
// conversion that would change the number of characters, leaves the character as it is. The text
// therefore keeps every byte position, and nothing but the picture changes.

#include <string>
#include <string_view>
#include <unordered_map>

#include "textview/model/display_text.h"

namespace veyrin {

class ChineseScript;

class TSynTraditionalDisplay : public ISynDisplayText {
public:
    explicit TSynTraditionalDisplay(const ChineseScript& script);

    // False when the conversion tables did not load; every line then shows as stored.
    bool available() const;
    const std::string& problem() const;

    std::string_view displayLine(std::string_view stored, std::string& scratch) const override;

    // The traditional form of one GBK line, of the same length.
    std::string traditionalLine(std::string_view gbk) const;

private:
    const ChineseScript& script_;
    // Painting asks for the same lines again and again; a poem has a few dozen.
    mutable std::unordered_map<std::string, std::string> cache_;
};

}  // namespace veyrin

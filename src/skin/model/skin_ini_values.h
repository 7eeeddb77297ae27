#pragma once
// The value forms of skin.ini: integers, booleans, colours, points, rectangles, font styles,
// alignment, morph kind, inactive effect, command, lists and "section:kind" entries.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/model/color.h"
#include "skin/model/frame_rect.h"
#include "skin/model/skin_data.h"
#include "skin/model/skin_ini_text.h"

namespace veyrin {

// Far above any real skin (the stored one lists 59 controls), low enough that a damaged count
// cannot make the loader build millions of empty entries.
inline constexpr int kMaxSkinListCount = 4096;

// Reads values of one section of a skin.ini.
class SkinSectionReader {
public:
    SkinSectionReader(const SkinIniText& ini, std::string_view section) : ini_(ini), section_(section) {}

    std::string string(std::string_view key, std::string_view fallback = {}) const;
    int integer(std::string_view key, int fallback) const;
    bool boolean(std::string_view key) const;  // exactly 1 is true
    TColor colour(std::string_view key) const { return integer(key, 0); }
    // Points and rectangles: throw AppError("'<field>' is not a valid integer value") for a missing,
    // empty or digitless field, and for more fields than they have.
    FramePoint point(std::string_view key) const;
    FrameRect rect(std::string_view key) const;
    SkinFontStyle fontStyle(std::string_view key) const;
    TbsTextAlignment alignment(std::string_view key) const;
    TbsMorphKind morphKind(std::string_view key) const;
    TbsInactiveEffect inactiveEffect(std::string_view key) const;
    TbsStdCommand command(std::string_view key) const;
    // The list `name`: "<name>count" entries under the keys "0", "1", ...; no count, no entries. A
    // numbered key that is missing reads as empty. A count above kMaxSkinListCount throws AppError.
    std::vector<std::string> list(std::string_view name) const;

private:
    const SkinIniText& ini_;
    std::string section_;
};

// "section:kind", split at the first colon (no colon: all section, empty kind).
std::pair<std::string, std::string> splitSkinEntry(std::string_view entry);

// Splits `text` at its commas into exactly `count` non-negative numbers, skipping every character
// of a field that is not a digit; the last field takes the rest of the text.
std::vector<int> readSkinNumberFields(std::string_view text, int count);

}  // namespace veyrin

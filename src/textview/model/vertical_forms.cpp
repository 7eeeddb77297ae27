#include "textview/model/vertical_forms.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <utility>

namespace veyrin {
namespace {

// Sorted by the horizontal form.
constexpr std::array<std::pair<char32_t, char32_t>, 35> kVerticalForms{{
    {0x2013, 0xFE32},  // en dash
    {0x2014, 0xFE31},  // em dash
    {0x2015, 0xFE31},  // horizontal bar (some GBK tables give it for the dash)
    {0x2018, 0xFE43},  // left single quotation mark -> white corner bracket
    {0x2019, 0xFE44},
    {0x201C, 0xFE41},  // left double quotation mark -> corner bracket
    {0x201D, 0xFE42},
    {0x2025, 0xFE30},  // two-dot leader
    {0x2026, 0xFE19},  // ellipsis
    {0x3001, 0xFE11},  // ideographic comma
    {0x3002, 0xFE12},  // ideographic full stop
    {0x3008, 0xFE3F},
    {0x3009, 0xFE40},
    {0x300A, 0xFE3D},
    {0x300B, 0xFE3E},
    {0x300C, 0xFE41},
    {0x300D, 0xFE42},
    {0x300E, 0xFE43},
    {0x300F, 0xFE44},
    {0x3010, 0xFE3B},
    {0x3011, 0xFE3C},
    {0x3014, 0xFE39},
    {0x3015, 0xFE3A},
    {0x3016, 0xFE17},
    {0x3017, 0xFE18},
    {0xFF01, 0xFE15},
    {0xFF08, 0xFE35},
    {0xFF09, 0xFE36},
    {0xFF0C, 0xFE10},
    {0xFF1A, 0xFE13},
    {0xFF1B, 0xFE14},
    {0xFF1F, 0xFE16},
    {0xFF3F, 0xFE33},  // full-width low line
    {0xFF5B, 0xFE37},
    {0xFF5D, 0xFE38},
}};

static_assert(std::is_sorted(kVerticalForms.begin(), kVerticalForms.end()));

// Full-width signs that lie along the line and have no vertical form of their own.
bool liesAlongTheLine(char32_t code) { return code == 0xFF5E || code == 0x301C || code == 0xFF0D; }

constexpr char32_t kClosingPunctuation[] = {0x3001, 0x3002, 0xFF0C, 0xFF1A, 0xFF1B, 0xFF01, 0xFF1F, 0x2019, 0x201D,
                                           0x3009, 0x300B, 0x300D, 0x300F, 0x3011, 0x3015, 0x3017, 0xFF09, 0xFF5D};

}  // namespace

bool hangsAtColumnEnd(char32_t code) {
    return std::find(std::begin(kClosingPunctuation), std::end(kClosingPunctuation), code) != std::end(kClosingPunctuation);
}

char32_t verticalFormOf(char32_t code) {
    auto found = std::lower_bound(kVerticalForms.begin(), kVerticalForms.end(), code,
                                  [](const auto& entry, char32_t key) { return entry.first < key; });
    return found != kVerticalForms.end() && found->first == code ? found->second : code;
}

TVerticalTurn verticalTurnOf(char32_t code, int cells) {
    if (cells < 2 || liesAlongTheLine(code)) return TVerticalTurn::Sideways;
    return TVerticalTurn::Upright;
}

}  // namespace veyrin

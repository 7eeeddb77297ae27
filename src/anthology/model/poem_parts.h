#pragma once
// A set of poems under one title gives each part's label on a line of its own before the part's
// verse: 其一, 其二 … or, for the seasons' songs, 春歌, 夏歌, 秋歌, 冬歌.

#include <string_view>

namespace veyrin {

// Whether a GBK line is a part's label (and nothing else).
bool isPartLabel(std::string_view gbkLine);

}  // namespace veyrin

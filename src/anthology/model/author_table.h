#pragma once
// The poets of the anthology, one per catalogue entry: row k names the poet of catalogue index k,
// whose text is entryFilePath(k). The table is part of the program, independent of the catalogue
// file the reader may have edited.

#include <string>
#include <string_view>

namespace veyrin {

inline constexpr int kAuthorCount = 190;

// The row whose name has exactly these bytes (no trimming, no case folding, no partial match),
// or -1 when there is none.
int findAuthor(std::string_view gbkName);

// The name of row `index` in GBK; throws std::out_of_range outside 0..kAuthorCount-1.
std::string authorName(int index);

}  // namespace veyrin

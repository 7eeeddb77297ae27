#pragma once
// Where the anthology and the run's working files live, spelled as the program spells them (GBK,
// backslashes, relative to the current directory; see platform/model/program_path.h). The
// catalogue uses "Data" and the entries "data": both reach the same directory.

#include <string>

namespace veyrin {

// 唐诗鉴赏 in GBK.
inline constexpr char kAnthologyDirectoryName[] = "\xCC\xC6\xCA\xAB\xBC\xF8\xC9\xCD";

inline constexpr char kCatalogueFilePath[] = "Data\\\xCC\xC6\xCA\xAB\xBC\xF8\xC9\xCD\\list.txt";
inline constexpr char kViewFilePath[] = "Tem\\00.dat";
inline constexpr char kFirstNoteFilePath[] = "Tem\\01.dat";
inline constexpr char kSecondNoteFilePath[] = "Tem\\02.dat";

// Entries 0..189 of the catalogue have a file; items beyond (a longer catalogue) have none.
inline constexpr int kEntryFileCount = 190;

bool hasEntryFile(int catalogueIndex);

// "data\唐诗鉴赏\NN.txt" with the entry number (index + 1) written with at least two digits.
// Throws std::out_of_range when the index has no entry file.
std::string entryFilePath(int catalogueIndex);

}  // namespace veyrin

#include "anthology/model/entry_files.h"

#include <cstdio>
#include <stdexcept>

namespace veyrin {

bool hasEntryFile(int catalogueIndex) { return catalogueIndex >= 0 && catalogueIndex < kEntryFileCount; }

std::string entryFilePath(int catalogueIndex) {
    if (!hasEntryFile(catalogueIndex)) throw std::out_of_range("no entry file for catalogue index");
    char number[16];
    std::snprintf(number, sizeof number, "%02d", catalogueIndex + 1);
    return std::string("data\\") + kAnthologyDirectoryName + "\\" + number + ".txt";
}

}  // namespace veyrin

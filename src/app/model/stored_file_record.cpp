#include "app/model/stored_file_record.h"

#include <utility>

namespace veyrin {

void StoredFileRecord::markLoaded(bool heldEveryByte) { loadedWhole_ = heldEveryByte; }

void StoredFileRecord::rememberStartContent(std::string content) {
    if (comparesWithStart()) startContent_ = std::move(content);
}

bool StoredFileRecord::mayWrite(bool fileExists, std::string_view currentContent) const {
    return loadedWhole_ || !fileExists || currentContent != startContent_;
}

}  // namespace veyrin

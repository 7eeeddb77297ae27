#pragma once
// One of the files read at start and written back at close (the catalogue, the view's text and the
// two notes), and the rule that keeps the close from destroying what the start could not take in.
// A file that was not loaded, or was loaded only in part (a damaged or binary file cut at its first
// 0x00), is written at close only when the reader changed its control since the start or the file
// has gone; otherwise it keeps its bytes. A file loaded whole always gets the control's content.

#include <string>
#include <string_view>

namespace veyrin {

class StoredFileRecord {
public:
    // The load succeeded; `heldEveryByte` is false when it had to drop part of the file.
    void markLoaded(bool heldEveryByte);

    // True when the close depends on what the control held at the start (rememberStartContent).
    bool comparesWithStart() const { return !loadedWhole_; }
    void rememberStartContent(std::string content);

    bool mayWrite(bool fileExists, std::string_view currentContent) const;

private:
    bool loadedWhole_ = false;
    std::string startContent_;
};

}  // namespace veyrin

#pragma once
// The view's private clipboard form: one byte with the selection mode (0 normal, 1 line,
// 2 column), the text as GBK bytes, then a byte 0. Plain text goes beside it as the same bytes.

#include "textview/model/buffer_coord.h"
#include "textview/model/caret_selection.h"

#include <string>
#include <string_view>
#include <vector>

namespace veyrin {

inline constexpr const char* kSynEditBlockFormatName = "SynEdit Control Block Type";
inline constexpr const char* kClipboardCopyFailed = "Clipboard copy operation failed";
inline constexpr const char* kClipboardPasteFailed = "Clipboard paste operation failed.";

struct TSynClipboardBlock {
    TSynSelectionMode mode = smNormal;
    std::string text;
};

std::string encodeClipboardBlock(const TSynClipboardBlock& block);

// An empty block (not even the mode byte) raises AppError(kClipboardPasteFailed). An unknown mode
// byte is read as normal mode; the text ends at the first byte 0 or at the end of the data.
TSynClipboardBlock decodeClipboardBlock(std::string_view data);

// Plain clipboard text ends at its first byte 0, as C text would.
std::string_view textBeforeNul(std::string_view data);

// Lines of a multi-line selection are joined with CR LF, whatever the file's own breaks.
std::string joinLinesCrLf(const std::vector<std::string>& lines);

// Splits text at CR LF, lone CR or lone LF, as the line store splits a file; a final break gives
// a final empty line. Always at least one (possibly empty) line.
std::vector<std::string> splitTextLines(std::string_view text);

}  // namespace veyrin

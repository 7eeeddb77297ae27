#pragma once
// The clipboard as the editing engine sees it. Writing may raise AppError("Clipboard copy operation
// failed"); reading answers the private block when present, else plain text in normal mode.

#include <optional>

namespace veyrin {

struct TSynClipboardBlock;

class ISynEditClipboard {
public:
    virtual ~ISynEditClipboard() = default;
    virtual void write(const TSynClipboardBlock& block) = 0;
    virtual std::optional<TSynClipboardBlock> read() = 0;
    virtual bool hasText() const = 0;
};

}  // namespace veyrin

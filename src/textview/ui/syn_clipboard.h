#pragma once
// The system clipboard for the text view: plain text (converted from GBK) beside the view's private
// block, which keeps the exact bytes and the selection mode.

#include "textview/model/clipboard_block.h"
#include "textview/model/edit_clipboard.h"

#include <QString>

class QMimeData;

namespace veyrin {

// The private block's MIME type: on Windows Qt maps this spelling to the registered format name.
QString synEditBlockMimeType();

// Plain text and private block for a copy; the plain text keeps the CR LF line breaks.
QMimeData* makeClipboardMimeData(const TSynClipboardBlock& block);
// The private block when present, else the plain text in normal mode (characters with no GBK form
// become '?'), else nothing. A present but empty private block raises the paste error.
std::optional<TSynClipboardBlock> readClipboardMimeData(const QMimeData* data);

class TSynQtClipboard : public ISynEditClipboard {
public:
    void write(const TSynClipboardBlock& block) override;
    std::optional<TSynClipboardBlock> read() override;
    bool hasText() const override;
};

}  // namespace veyrin

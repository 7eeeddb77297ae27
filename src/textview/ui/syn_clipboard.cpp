#include "textview/ui/syn_clipboard.h"

#include "platform/model/app_error.h"
#include "platform/ui/gbk_qt.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace veyrin {
namespace {

QByteArray toBytes(const std::string& bytes) { return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())); }

}  // namespace

QString synEditBlockMimeType() {
    return QStringLiteral("application/x-qt-windows-mime;value=\"%1\"").arg(QLatin1String(kSynEditBlockFormatName));
}

QMimeData* makeClipboardMimeData(const TSynClipboardBlock& block) {
    auto* data = new QMimeData;
    data->setText(gbkToQString(textBeforeNul(block.text)));
    data->setData(synEditBlockMimeType(), toBytes(encodeClipboardBlock(block)));
    return data;
}

std::optional<TSynClipboardBlock> readClipboardMimeData(const QMimeData* data) {
    if (!data) return std::nullopt;
    if (data->hasFormat(synEditBlockMimeType())) {
        const QByteArray bytes = data->data(synEditBlockMimeType());
        return decodeClipboardBlock(std::string_view(bytes.constData(), static_cast<size_t>(bytes.size())));
    }
    if (data->hasText()) return TSynClipboardBlock{smNormal, std::string(textBeforeNul(qStringToGbk(data->text())))};
    return std::nullopt;
}

void TSynQtClipboard::write(const TSynClipboardBlock& block) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard) throw AppError(kClipboardCopyFailed);
    clipboard->setMimeData(makeClipboardMimeData(block));
    // The platform may refuse the data without saying so: what it holds afterwards tells.
    const QMimeData* held = clipboard->mimeData();
    if (!held || !held->hasText()) throw AppError(kClipboardCopyFailed);
}

std::optional<TSynClipboardBlock> TSynQtClipboard::read() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    return clipboard ? readClipboardMimeData(clipboard->mimeData()) : std::nullopt;
}

bool TSynQtClipboard::hasText() const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QMimeData* data = clipboard ? clipboard->mimeData() : nullptr;
    return data && (data->hasText() || data->hasFormat(synEditBlockMimeType()));
}

}  // namespace veyrin

#include "skin/ui/stored_skin.h"

#include <QFile>

namespace veyrin {

QByteArray storedSkinData() {
    QFile file(QStringLiteral(":/skin/stored_skin"));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

TbsCompressedStoredSkin makeStoredSkin() {
    const QByteArray bytes = storedSkinData();
    TbsCompressedStoredSkin store;
    store.fileName = "skin.ini";
    store.setCompressedData(bytes.toStdString());
    return store;
}

}  // namespace veyrin

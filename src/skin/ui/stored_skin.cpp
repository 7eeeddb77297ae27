#include "skin/ui/stored_skin.h"

#include <QFile>

namespace veyrin {

QByteArray storedSkinData(int scale) {
    const QString suffix = scale > 1 ? QStringLiteral("@%1x").arg(scale) : QString();
    QFile file(QStringLiteral(":/skin/stored_skin") + suffix);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

TbsCompressedStoredSkin makeStoredSkin(int scale) {
    const QByteArray bytes = storedSkinData(scale);
    TbsCompressedStoredSkin store;
    store.fileName = "skin.ini";
    store.setCompressedData(bytes.toStdString());
    return store;
}

}  // namespace veyrin

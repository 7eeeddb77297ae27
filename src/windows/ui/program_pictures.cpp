#include "windows/ui/program_pictures.h"

#include <QString>

#include "controls/ui/density_picture.h"

namespace veyrin {
namespace {

QString picturePath(const char* name) { return QStringLiteral(":/pictures/") + QString::fromLatin1(name); }

}  // namespace

QImage mainPicture(MainPicture picture, int density) {
    static const char* const kNames[] = {"back.bmp", "forward.bmp", "cut.bmp", "copy.bmp", "paste.bmp",
                                         "font.bmp", "text_color.bmp", "back_color.bmp", "about.bmp"};
    return densityImage(picturePath(kNames[static_cast<int>(picture)]), density);
}

QIcon toolBarPicture(int index) {
    return QIcon(picturePath("imagelist4/") + QString::number(index) + QStringLiteral(".png"));
}

QIcon namedToolBarPicture(const char* name) {
    return QIcon(picturePath("toolbar/") + QString::fromLatin1(name) + QStringLiteral(".png"));
}

QIcon windowIcon() {
    QIcon icon;
    icon.addFile(picturePath("veyrin_16.png"), QSize(16, 16));
    icon.addFile(picturePath("veyrin_32.png"), QSize(32, 32));
    return icon;
}

}  // namespace veyrin

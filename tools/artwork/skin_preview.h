#pragma once
// Previews of the written skin as windows, a menu and a hint show it (PNG files).

#include <QString>

namespace skinart {

void writePreviews(const QString& skinDir, const QString& previewDir);

}  // namespace skinart

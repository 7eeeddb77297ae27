#pragma once
// The skin compiled into the program (packed from the skin's sources at build time).

#include <QByteArray>

#include "skin/model/compressed_stored_skin.h"

namespace veyrin {

// The store's bytes as compiled in; empty when the program was built without a skin. At `scale` 2
// or 3, the companion drawn for that scale (empty when none was packed).
QByteArray storedSkinData(int scale = 1);

// A store holding the compiled-in skin (or its companion at `scale`), for a window's TbsSkinData.
TbsCompressedStoredSkin makeStoredSkin(int scale = 1);

}  // namespace veyrin

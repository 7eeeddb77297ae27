#pragma once
// The skin compiled into the program (packed from the skin's sources at build time).

#include <QByteArray>

#include "skin/model/compressed_stored_skin.h"

namespace veyrin {

// The store's bytes as compiled in; empty when the program was built without a skin.
QByteArray storedSkinData();

// A store holding the compiled-in skin, for a window's TbsSkinData to load.
TbsCompressedStoredSkin makeStoredSkin();

}  // namespace veyrin

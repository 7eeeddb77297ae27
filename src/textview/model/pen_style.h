#pragma once

namespace veyrin {

enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

}  // namespace veyrin

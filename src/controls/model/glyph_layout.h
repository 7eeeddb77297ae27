#pragma once
// Where a button puts its glyph relative to its caption; shared by the flat speed button and the
// themed push button.

namespace veyrin {

enum class TButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };

}  // namespace veyrin

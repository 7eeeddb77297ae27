#pragma once
// The text of the skin's skin.ini: plain ASCII, CR LF line ends, lower-case names as a skin file
// spells them.

#include <string>

namespace skinart {

std::string skinIniText();

}  // namespace skinart

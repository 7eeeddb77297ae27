#pragma once
// The one place where GBK bytes meet Qt's Unicode strings: drawing, standard edit boxes, clipboard
// text and the input method.

#include <QString>

#include <string>
#include <string_view>

namespace veyrin {

// Bytes with no mapping come out as U+FFFD; the stored bytes are never altered.
QString gbkToQString(std::string_view gbkBytes);

// Characters with no GBK form become '?'.
std::string qStringToGbk(const QString& text);

}  // namespace veyrin

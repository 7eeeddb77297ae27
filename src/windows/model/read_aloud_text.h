#pragma once
// What the reader hears on 朗读: the selection when there is one, otherwise the text from the caret
// to the end. A caret that stands after the last word (nothing but blanks left) reads the whole
// text again, as a reader who pressed the key at the end of a poem wants to hear it from the start.

#include <string>

namespace veyrin {

class TSynViewModel;

// UTF-8 text for the speech engine, lines joined with "\n"; empty when the view holds no words.
std::string textToReadAloud(const TSynViewModel& view);

// GBK bytes with CR LF breaks to the UTF-8 the engine takes, breaks as "\n".
std::string speechTextFromGbk(const std::string& gbkBytes);

}  // namespace veyrin

// Input: any catalogue or scratch-box file. The list form (catalogue) and the box form (Tem\01.dat,
// Tem\02.dat) must each read back what they wrote: load, save, load again gives the same items
// or the same text.

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "app/model/line_file_forms.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    const std::vector<std::string> items = veyrin::parseListForm(bytes);
    const std::string listSaved = veyrin::formatListForm(items);
    if (veyrin::parseListForm(listSaved) != items) std::abort();
    if (veyrin::formatListForm(veyrin::parseListForm(listSaved)) != listSaved) std::abort();

    // The box holds its text as loaded and saves it unchanged, so the saved bytes are the text.
    const std::string text = veyrin::parseBoxForm(bytes);
    if (veyrin::parseBoxForm(text) != text) std::abort();
    // Both forms end the text at the same byte and break it at the same places; only the box
    // keeps a text without a final break as it is.
    const bool endsWithBreak = text.empty() || text.ends_with("\r\n");
    if (listSaved != (endsWithBreak ? text : text + "\r\n")) std::abort();
    return 0;
}

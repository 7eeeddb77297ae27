#include "windows/model/read_aloud_text.h"

#include <algorithm>

#include "platform/model/gbk_text.h"
#include "textview/model/view_model.h"

namespace veyrin {
namespace {

bool onlyBlanks(const std::string& bytes) {
    return std::all_of(bytes.begin(), bytes.end(), [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; });
}

TBufferCoord endOfText(const TSynEditStringList& lines) {
    const int count = lines.Count();
    if (count == 0) return TBufferCoord{1, 1};
    return TBufferCoord{static_cast<int>(lines.GetView(count - 1).size()) + 1, count};
}

}  // namespace

std::string speechTextFromGbk(const std::string& gbkBytes) {
    std::string text = gbk::toUtf8(gbkBytes);
    text.erase(std::remove(text.begin(), text.end(), '\r'), text.end());
    return text;
}

std::string textToReadAloud(const TSynViewModel& view) {
    std::string chosen;
    if (view.hasSelection()) {
        chosen = view.selectedText();
    } else {
        const TBufferCoord end = endOfText(view.lines());
        chosen = view.textInRange(view.caret(), end);
        if (onlyBlanks(chosen)) chosen = view.textInRange(TBufferCoord{1, 1}, end);
    }
    return onlyBlanks(chosen) ? std::string() : speechTextFromGbk(chosen);
}

}  // namespace veyrin

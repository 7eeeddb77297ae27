// Input: any file the text view may be asked to open (Tem\00.dat or an entry). Loaded, saved and
// loaded again it must give the same lines in the same break style, and saving that is a fixed
// point. The tab expansion the layout asks for must agree with its own cached lengths.

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "textview/model/line_store.h"

namespace {

std::vector<std::string> linesOf(const veyrin::TSynEditStringList& list) {
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
    return lines;
}

std::string saved(const veyrin::TSynEditStringList& list) {
    std::ostringstream out;
    list.SaveToStream(out);
    return out.str();
}

void checkExpansion(veyrin::TSynEditStringList& list, int tabWidth) {
    list.SetTabWidth(tabWidth);
    int longest = 0;
    std::string scratch;
    for (int i = 0; i < list.Count(); ++i) {
        const std::string expanded = list.ExpandedString(i);
        if (static_cast<int>(expanded.size()) != list.ExpandedStringLength(i)) std::abort();
        if (list.ExpandedView(i, scratch) != expanded) std::abort();
        if (expanded.size() < list.Get(i).size()) std::abort();
        longest = std::max(longest, static_cast<int>(expanded.size()));
    }
    if (list.LengthOfLongestLine() != longest) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    veyrin::TSynEditStringList first;
    first.LoadFromBytes(bytes);
    const std::string once = saved(first);

    veyrin::TSynEditStringList second;
    second.LoadFromBytes(once);
    if (linesOf(second) != linesOf(first)) std::abort();
    // An empty or single-line text holds no break to tell its style by.
    if (first.Count() > 1 && second.FileFormat() != first.FileFormat()) std::abort();
    if (saved(second) != once) std::abort();

    // What the reading window does: a copy through Assign holds the same lines.
    veyrin::TSynEditStringList copy;
    copy.Assign(second);
    if (linesOf(copy) != linesOf(first) || copy.GetTextStr() != second.GetTextStr()) std::abort();

    checkExpansion(first, size == 0 ? 8 : 1 + data[0] % 16);
    return 0;
}

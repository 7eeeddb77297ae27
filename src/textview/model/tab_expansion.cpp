#include "textview/model/tab_expansion.h"

namespace veyrin {
namespace {

int fillerCount(int expandedSoFar, int tabWidth) { return tabWidth - expandedSoFar % tabWidth; }

std::string convertTabsWith(std::string_view line, int tabWidth, char filler) {
    std::string result;
    result.reserve(line.size() + static_cast<size_t>(tabWidth));
    for (char c : line) {
        if (c == '\t') {
            result.append(static_cast<size_t>(fillerCount(static_cast<int>(result.size()), tabWidth)), filler);
        } else {
            result.push_back(c);
        }
    }
    return result;
}

std::string convertTabsToSpaces(std::string_view line, int tabWidth) {
    return convertTabsWith(line, tabWidth, ' ');
}

std::string convertTabsToTabFillers(std::string_view line, int tabWidth) {
    return convertTabsWith(line, tabWidth, '\t');
}

bool isPowerOfTwo(int n) { return n > 1 && (n & (n - 1)) == 0; }

}  // namespace

TConvertTabsProc bestTabConverter(int tabWidth) {
    return isPowerOfTwo(tabWidth) ? &convertTabsToTabFillers : &convertTabsToSpaces;
}

int expandedLength(std::string_view line, int tabWidth) {
    return byteToExpandedColumn(line, static_cast<int>(line.size()) + 1, tabWidth) - 1;
}

int byteToExpandedColumn(std::string_view line, int byteColumn, int tabWidth) {
    int expanded = 0;
    int bytesBefore = byteColumn - 1;
    int inLine = bytesBefore < static_cast<int>(line.size()) ? bytesBefore : static_cast<int>(line.size());
    for (int i = 0; i < inLine; ++i) {
        expanded += line[static_cast<size_t>(i)] == '\t' ? fillerCount(expanded, tabWidth) : 1;
    }
    return expanded + (bytesBefore - inLine) + 1;
}

int expandedToByteColumn(std::string_view line, int expandedColumn, int tabWidth) {
    int expanded = 0;
    for (size_t i = 0; i < line.size(); ++i) {
        int width = line[i] == '\t' ? fillerCount(expanded, tabWidth) : 1;
        if (expandedColumn - 1 < expanded + width) return static_cast<int>(i) + 1;
        expanded += width;
    }
    return static_cast<int>(line.size()) + 1 + (expandedColumn - 1 - expanded);
}

}  // namespace veyrin

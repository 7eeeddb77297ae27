#pragma once
// What each line of an entry is to a typesetter. An entry gives a poem as its title in 【】 on a
// line of its own, then the verse one line each, then the commentary, a paragraph that opens with
// a short label and a colon (鉴赏：…, 简介：…). The view's text may be anything the reader typed,
// so whatever does not follow that form is prose.

#include <string>
#include <string_view>
#include <vector>

namespace veyrin {

enum class TPoemLineKind { Prose, Title, Verse };

// A title line: 【 after any leading blanks, and a 】 after it.
bool isPoemTitle(std::string_view line);

// A paragraph that opens with a label of one to four characters and a full-width colon.
bool opensWithLabel(std::string_view line);

// Verse runs from the line after a title up to a blank line, a labelled paragraph or the next title.
std::vector<TPoemLineKind> classifyPoemLines(const std::vector<std::string>& lines);

}  // namespace veyrin

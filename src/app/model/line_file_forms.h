#pragma once
// The two plain-text forms of the catalogue and scratch-box files: the list form (one item per
// line) and the box form (one text with CR LF between lines). Both hold GBK bytes unchanged; no
// byte-order mark, no conversion. Paths are spelled as the program spells them (program_path.h).

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace veyrin {

// The most a scratch box takes. A plain multi-line edit box stays responsive up to a few MiB of
// text; 16 MiB is far beyond any note a reader types and still small enough that a damaged or
// mistaken file (a disk image renamed .dat, say) is refused with a message instead of freezing
// the window while it lays out the text.
inline constexpr std::size_t kMemoCapacity = 16u * 1024u * 1024u;

// List form. Load: the text ends at the first 0x00; a line ends at CR, LF or the end; after a
// line one CR and then one LF are stepped over, so CR LF, CR and LF are one break each, LF CR is
// two, and a final break adds no empty item. Save: every item followed by CR LF.
std::vector<std::string> parseListForm(std::string_view bytes);
std::string formatListForm(const std::vector<std::string>& items);

// Box form load: the text ends at the first 0x00 (what follows is not kept, so it is gone once
// the box is saved), and every lone CR, lone LF and CR LF becomes CR LF. Scans by characters, so
// the trail byte of a double-byte character is never taken for a break. Throws AppError
// "Text exceeds memo capacity" when the result is longer than kMemoCapacity.
// Saving writes the box's text exactly as held, with no break added at the end.
std::string parseBoxForm(std::string_view bytes);

// True when a load in either form keeps every byte of the file apart from its line breaks: the
// file holds no 0x00, after which the text is cut. A file that fails this was damaged or is not
// text, and writing back what was loaded would lose the rest of it.
bool holdsEveryByte(std::string_view bytes);

// What a load made of a file, and whether it kept all of it (holdsEveryByte).
template <typename Content>
struct LineFileLoad {
    Content content;
    bool complete = true;
};

// File helpers relative to `base` (the current directory in the program). Loads throw AppError
// "Cannot open file <path>", saves "Cannot create file <path>" and replace the file atomically.
LineFileLoad<std::vector<std::string>> loadListFile(const std::filesystem::path& base,
                                                    const std::string& programPath);
void saveListFile(const std::filesystem::path& base, const std::string& programPath,
                  const std::vector<std::string>& items);
LineFileLoad<std::string> loadBoxFile(const std::filesystem::path& base, const std::string& programPath);
void saveBoxFile(const std::filesystem::path& base, const std::string& programPath, const std::string& text);

}  // namespace veyrin

#pragma once
// Finding poets, titles and poem lines across the anthology. The index reads every entry file once
// and keeps, per entry, the poet's name, the poems' titles and their lines, each folded to the
// simplified form (through ChineseScript), so a query typed in either form finds the same text.
//
// An entry file reads: the poet's name on line 1, the period, an introduction ("简介：…"), then
// per poem a title line "【…】", the poem's lines and a commentary line ("鉴赏：…"), with blank
// lines between the parts. Poem lines are the lines after a title up to the next blank line,
// title, commentary or introduction; introductions and commentaries are not searched. A set of
// poems under one title labels each part on a line of its own (其一, 其二 …): the label is not
// searched, and a line found in a part names its poem as "title（其二）".
//
// A query in Latin letters is also read as pinyin (see pinyin_query.h) and matched against the
// readings of each text, worked out when the index is built.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

#include "anthology/model/pinyin_spelling.h"

namespace veyrin {

enum class SearchField { Poet, Title, Line };

struct SearchHit {
    SearchField field = SearchField::Line;
    int catalogueIndex = -1;
    std::string poet;   // GBK
    std::string title;  // GBK, without the brackets: the poem the match lies in (a poet's first poem
                        // for a poet match), with the part's label for a line in a set
    std::string text;   // GBK: the poet's name, the title or the poem line that matched
    int lineNumber = 1;  // line of the entry file holding `text`, from 1
    int byteColumn = 1;  // byte column of the match in that line, from 1
    int matchStart = 0;   // the match within `text`, in characters (a GBK pair is one character)
    int matchLength = 0;
};

// Where a poem starts: its entry and the line of its title, from 1.
struct PoemPlace {
    int catalogueIndex = -1;
    int lineNumber = 1;
    friend bool operator==(const PoemPlace&, const PoemPlace&) = default;
};

class SearchIndex {
public:
    // Reads entries 0 .. kEntryFileCount-1 below `workingDirectory`. A missing or unreadable entry
    // is left out and its file named in skippedFiles().
    static SearchIndex build(const std::filesystem::path& workingDirectory);

    // Adds one entry from its file's bytes. Entries are expected in catalogue order.
    void addEntry(int catalogueIndex, std::string_view fileBytes);
    void addSkippedFile(std::string programPath) { skipped_.push_back(std::move(programPath)); }

    // Program spellings (GBK) of the entry files that could not be read.
    const std::vector<std::string>& skippedFiles() const { return skipped_; }
    int entryCount() const { return static_cast<int>(entries_.size()); }

    // Poet matches first, then title matches, then line matches; within each, catalogue order and
    // then line order. One hit per name, title or line (its first match). Blanks around the query
    // are ignored; an empty query finds nothing. A pinyin query's matches follow all those of its
    // characters, in the same order, leaving out texts its characters already found.
    std::vector<SearchHit> find(std::string_view utf8Query) const;

    // The poet and the first title of an entry (GBK), empty when the entry is not in the index or
    // has none.
    std::string poet(int catalogueIndex) const;
    std::string firstTitle(int catalogueIndex) const;
    // Every poem's title line, in catalogue order and then line order; a set under one title is one
    // poem.
    std::vector<PoemPlace> poemPlaces() const;

private:
    struct Text {
        std::string gbk;
        std::u32string folded;  // one code point per GBK character of `gbk`
        int lineNumber = 1;
        int entry = 0;  // position in entries_
        int title = -1;  // position in titles_ of the poem holding a line
        std::string part;  // the label of the set's part holding a line, if any
        PinyinSpelling pinyin;  // of `folded`
    };
    struct Entry {
        int catalogueIndex = -1;
        int poet = -1;  // position in poets_
        int firstTitle = -1;
    };

    using TextMatcher = std::function<std::optional<CharacterSpan>(const Text&)>;
    // Adds a hit per text `match` finds, poets first, then titles, then lines, passing over the
    // texts in `found` and adding those it finds.
    void scanAll(const TextMatcher& match, std::unordered_set<const Text*>& found, std::vector<SearchHit>& hits) const;
    const Entry* entryAt(int catalogueIndex) const;
    SearchHit hitFor(const Text& text, SearchField field, std::size_t matchStart, std::size_t matchLength) const;

    std::vector<Entry> entries_;
    std::vector<Text> poets_;
    std::vector<Text> titles_;
    std::vector<Text> lines_;
    std::vector<std::string> skipped_;
};

// The text folded as the index folds it: one code point per character, simplified forms.
std::u32string foldForSearch(std::string_view gbkText);
std::u32string foldQueryForSearch(std::string_view utf8Query);

// The blanks a query may hold: spaces, tabs and the ideographic space.
bool isQueryBlank(char32_t cp);

}  // namespace veyrin

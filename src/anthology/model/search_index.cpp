#include "anthology/model/search_index.h"

#include "anthology/model/poem_parts.h"

#include "anthology/model/entry_files.h"
#include "anthology/model/pinyin_query.h"
#include "platform/model/chinese_script.h"
#include "platform/model/gbk_text.h"
#include "platform/model/program_path.h"
#include "platform/model/utf8_text.h"

#include <exception>

namespace veyrin {
namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

std::vector<std::string_view> gbkCharacters(std::string_view gbkText) {
    std::vector<std::string_view> characters;
    for (std::size_t pos = 0; pos < gbkText.size();) {
        const std::size_t length = gbk::characterLength(gbkText, pos);
        characters.push_back(gbkText.substr(pos, length));
        pos += length;
    }
    return characters;
}

char32_t singleCodePoint(const std::u32string& text, char32_t fallback) {
    return text.size() == 1 ? text[0] : fallback;
}

// Simplifies `text` keeping one code point per input code point: a whole-text conversion is kept
// when it keeps the length (the usual case, and phrases convert better whole); otherwise each
// character is converted on its own.
std::u32string simplifiedKeepingPositions(const std::u32string& text) {
    const ChineseScript& script = ChineseScript::shared();
    std::u32string whole = utf8::decode(script.toSimplified(utf8::encode(text)));
    if (whole.size() == text.size()) return whole;
    std::u32string out;
    out.reserve(text.size());
    for (char32_t cp : text)
        out.push_back(singleCodePoint(utf8::decode(script.toSimplified(utf8::encode(std::u32string(1, cp)))), cp));
    return out;
}

std::u32string_view trimmed(std::u32string_view text) {
    while (!text.empty() && isQueryBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isQueryBlank(text.back())) text.remove_suffix(1);
    return text;
}

// Lines as the text view splits them: CR LF, a lone CR and a lone LF each end a line; a final
// break adds no empty line.
std::vector<std::string_view> splitLines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(bytes.substr(start));
            break;
        }
        lines.push_back(bytes.substr(start, end - start));
        start = end + (bytes[end] == '\r' && end + 1 < bytes.size() && bytes[end + 1] == '\n' ? 2 : 1);
    }
    return lines;
}

// GBK markers of an entry file's parts.
constexpr std::string_view kTitleOpen = "\xA1\xBE";            // 【
constexpr std::string_view kTitleClose = "\xA1\xBF";           // 】
constexpr std::string_view kCommentary = "\xBC\xF8\xC9\xCD\xA3\xBA";    // 鉴赏：
constexpr std::string_view kIntroduction = "\xBC\xF2\xBD\xE9\xA3\xBA";  // 简介：
constexpr std::string_view kPartOpen = "\xA3\xA8";   // （
constexpr std::string_view kPartClose = "\xA3\xA9";  // ）

bool isTitleLine(std::string_view line) {
    return line.size() > kTitleOpen.size() + kTitleClose.size() && line.starts_with(kTitleOpen) &&
           line.ends_with(kTitleClose);
}

bool endsPoem(std::string_view line) {
    return line.empty() || line.starts_with(kCommentary) || line.starts_with(kIntroduction) || isTitleLine(line);
}

std::size_t gbkByteOffsetOfCharacter(std::string_view gbkText, std::size_t characterIndex) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < characterIndex && pos < gbkText.size(); ++i) pos += gbk::characterLength(gbkText, pos);
    return pos;
}

}  // namespace

bool isQueryBlank(char32_t cp) { return cp == U' ' || cp == U'\t' || cp == 0x3000; }

std::u32string foldForSearch(std::string_view gbkText) {
    const std::vector<std::string_view> characters = gbkCharacters(gbkText);
    std::u32string decoded = utf8::decode(gbk::toUtf8(gbkText));
    if (decoded.size() != characters.size()) {
        // A byte without a mapping decoded to a different number of code points: go character by
        // character so positions keep matching the GBK text.
        decoded.clear();
        for (std::string_view character : characters)
            decoded.push_back(singleCodePoint(utf8::decode(gbk::toUtf8(character)), kReplacementCharacter));
    }
    return simplifiedKeepingPositions(decoded);
}

std::u32string foldQueryForSearch(std::string_view utf8Query) {
    return simplifiedKeepingPositions(std::u32string(trimmed(utf8::decode(utf8Query))));
}

SearchIndex SearchIndex::build(const std::filesystem::path& workingDirectory) {
    SearchIndex index;
    for (int i = 0; i < kEntryFileCount; ++i) {
        const std::string path = entryFilePath(i);
        std::string bytes;
        try {
            bytes = readWholeFile(workingDirectory, path);
        } catch (const std::exception&) {
            // AppError for a missing or unreadable file; anything else the file system raises
            // while reading is the same for the reader.
            index.addSkippedFile(path);
            continue;
        }
        index.addEntry(i, bytes);
    }
    return index;
}

void SearchIndex::addEntry(int catalogueIndex, std::string_view fileBytes) {
    // The text ends at its first 0x00 byte, as the view shows it.
    fileBytes = fileBytes.substr(0, fileBytes.find('\0'));
    const std::vector<std::string_view> lines = splitLines(fileBytes);
    const int entry = static_cast<int>(entries_.size());
    Entry record;
    record.catalogueIndex = catalogueIndex;
    auto makeText = [entry](std::string_view gbk, int lineNumber, int title, std::string_view part = {}) {
        std::u32string folded = foldForSearch(gbk);
        PinyinSpelling pinyin(folded);
        return Text{std::string(gbk), std::move(folded), lineNumber, entry, title, std::string(part), std::move(pinyin)};
    };
    if (!lines.empty() && !lines[0].empty()) {
        record.poet = static_cast<int>(poets_.size());
        poets_.push_back(makeText(lines[0], 1, -1));
    }
    int currentTitle = -1;
    std::string_view currentPart;
    for (std::size_t i = 1; i < lines.size(); ++i) {
        const std::string_view line = lines[i];
        const int lineNumber = static_cast<int>(i) + 1;
        if (isTitleLine(line)) {
            currentTitle = static_cast<int>(titles_.size());
            if (record.firstTitle < 0) record.firstTitle = currentTitle;
            titles_.push_back(
                makeText(line.substr(kTitleOpen.size(), line.size() - kTitleOpen.size() - kTitleClose.size()),
                         lineNumber, currentTitle));
            currentPart = {};
        } else if (endsPoem(line)) {
            currentTitle = -1;
        } else if (currentTitle >= 0 && isPartLabel(line)) {
            // A set's part label names the part; it is not a line of verse to be found.
            currentPart = line;
        } else if (currentTitle >= 0) {
            lines_.push_back(makeText(line, lineNumber, currentTitle, currentPart));
        }
    }
    entries_.push_back(record);
}

std::vector<SearchHit> SearchIndex::find(std::string_view utf8Query) const {
    std::vector<SearchHit> hits;
    const std::u32string query = foldQueryForSearch(utf8Query);
    if (query.empty()) return hits;
    std::unordered_set<const Text*> found;
    scanAll(
        [&query](const Text& text) -> std::optional<CharacterSpan> {
            const std::size_t at = text.folded.find(query);
            if (at == std::u32string::npos) return std::nullopt;
            return CharacterSpan{at, query.size()};
        },
        found, hits);
    const PinyinQuery pinyin = readPinyinQuery(utf8Query);
    if (pinyin.kind == PinyinQuery::Kind::NotPinyin) return hits;
    // Texts the query spells to a syllable's end first, then those it ends part way into.
    if (pinyin.kind == PinyinQuery::Kind::Syllables && pinyin.wholeSyllables)
        scanAll([&pinyin](const Text& text) { return text.pinyin.find(pinyin, PinyinEnding::WholeSyllable); },
                found, hits);
    scanAll([&pinyin](const Text& text) { return text.pinyin.find(pinyin, PinyinEnding::BegunSyllable); }, found,
            hits);
    return hits;
}

void SearchIndex::scanAll(const TextMatcher& match, std::unordered_set<const Text*>& found,
                          std::vector<SearchHit>& hits) const {
    for (auto [texts, field] : {std::pair{&poets_, SearchField::Poet}, std::pair{&titles_, SearchField::Title},
                                std::pair{&lines_, SearchField::Line}}) {
        for (const Text& text : *texts) {
            if (found.contains(&text)) continue;
            if (const std::optional<CharacterSpan> span = match(text)) {
                hits.push_back(hitFor(text, field, span->start, span->length));
                found.insert(&text);
            }
        }
    }
}

SearchHit SearchIndex::hitFor(const Text& text, SearchField field, std::size_t matchStart,
                              std::size_t matchLength) const {
    const Entry& entry = entries_[static_cast<std::size_t>(text.entry)];
    SearchHit hit;
    hit.field = field;
    hit.catalogueIndex = entry.catalogueIndex;
    if (entry.poet >= 0) hit.poet = poets_[static_cast<std::size_t>(entry.poet)].gbk;
    const int title = field == SearchField::Poet ? entry.firstTitle : text.title;
    if (title >= 0) hit.title = titles_[static_cast<std::size_t>(title)].gbk;
    if (!text.part.empty()) hit.title += std::string(kPartOpen) + text.part + std::string(kPartClose);
    hit.text = text.gbk;
    hit.lineNumber = text.lineNumber;
    // A title's text starts after its opening bracket on its line.
    const std::size_t lineOffset = field == SearchField::Title ? kTitleOpen.size() : 0;
    hit.byteColumn = static_cast<int>(lineOffset + gbkByteOffsetOfCharacter(text.gbk, matchStart)) + 1;
    hit.matchStart = static_cast<int>(matchStart);
    hit.matchLength = static_cast<int>(matchLength);
    return hit;
}

const SearchIndex::Entry* SearchIndex::entryAt(int catalogueIndex) const {
    for (const Entry& entry : entries_) {
        if (entry.catalogueIndex == catalogueIndex) return &entry;
    }
    return nullptr;
}

std::string SearchIndex::poet(int catalogueIndex) const {
    const Entry* entry = entryAt(catalogueIndex);
    return entry && entry->poet >= 0 ? poets_[static_cast<std::size_t>(entry->poet)].gbk : std::string();
}

std::string SearchIndex::firstTitle(int catalogueIndex) const {
    const Entry* entry = entryAt(catalogueIndex);
    return entry && entry->firstTitle >= 0 ? titles_[static_cast<std::size_t>(entry->firstTitle)].gbk : std::string();
}

std::vector<PoemPlace> SearchIndex::poemPlaces() const {
    std::vector<PoemPlace> places;
    places.reserve(titles_.size());
    for (const Text& title : titles_)
        places.push_back({entries_[static_cast<std::size_t>(title.entry)].catalogueIndex, title.lineNumber});
    return places;
}

}  // namespace veyrin

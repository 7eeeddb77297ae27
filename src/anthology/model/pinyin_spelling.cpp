#include "anthology/model/pinyin_spelling.h"

#include <algorithm>

#include "platform/model/pinyin_readings.h"

namespace veyrin {

PinyinSpelling::PinyinSpelling(std::u32string_view text) {
    syllables_.reserve(text.size());
    initials_.reserve(text.size());
    for (const PinyinSearchKey& key : pinyinSearchKeys(text)) {
        syllables_.push_back(key.syllable);
        initials_.push_back(key.initial.empty() ? ' ' : key.initial.front());
    }
}

std::optional<CharacterSpan> PinyinSpelling::find(const PinyinQuery& query, PinyinEnding ending) const {
    switch (query.kind) {
    case PinyinQuery::Kind::NotPinyin:
        return std::nullopt;
    case PinyinQuery::Kind::Initials: {
        const std::size_t at = initials_.find(query.letters);
        if (at == std::string::npos) return std::nullopt;
        return CharacterSpan{at, query.letters.size()};
    }
    case PinyinQuery::Kind::Syllables:
        // No syllable begins with u, so a start is only where the first letters agree exactly.
        for (std::size_t start = initials_.find(query.letters.front()); start != std::string::npos;
             start = initials_.find(query.letters.front(), start + 1)) {
            if (auto length = syllablesSpelledFrom(start, query, ending)) return CharacterSpan{start, *length};
        }
        return std::nullopt;
    }
    return std::nullopt;
}

// How many characters from `start` spell the query, the last of them perhaps only begun, with
// every typed blank between two syllables.
std::optional<std::size_t> PinyinSpelling::syllablesSpelledFrom(std::size_t start, const PinyinQuery& query,
                                                                PinyinEnding ending) const {
    const std::string_view letters = query.letters;
    auto nextBreak = query.breaks.begin();
    std::size_t spelled = 0;
    for (std::size_t i = start; i < syllables_.size(); ++i) {
        const std::string_view syllable = syllables_[i];
        if (syllable.empty()) return std::nullopt;
        const std::size_t left = letters.size() - spelled;
        // The query's last letters may be only the beginning of this character's syllable.
        const std::string_view written = syllable.substr(0, std::min(syllable.size(), left));
        if (!std::equal(written.begin(), written.end(), letters.begin() + static_cast<std::ptrdiff_t>(spelled),
                        [](char w, char typed) { return typedLetterMatches(typed, w); }))
            return std::nullopt;
        if (written.size() < syllable.size()) {
            // Only begun: no typed blank may fall inside it ("xi a" is not 先 xian).
            if (ending == PinyinEnding::WholeSyllable) return std::nullopt;
            if (nextBreak != query.breaks.end() && *nextBreak > spelled) return std::nullopt;
            return i - start + 1;
        }
        spelled += syllable.size();
        if (nextBreak != query.breaks.end() && *nextBreak < spelled) return std::nullopt;
        if (nextBreak != query.breaks.end() && *nextBreak == spelled) ++nextBreak;
        if (spelled == letters.size()) return i - start + 1;
    }
    return std::nullopt;
}

}  // namespace veyrin

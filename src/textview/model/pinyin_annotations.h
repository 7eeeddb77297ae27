#pragma once
// What the text view writes above each character while pinyin is shown: the syllable with its tone
// mark over every Chinese character, nothing over letters, digits and punctuation. The readings are
// chosen from the whole stored line, so a character is read as in its words (还乡 huán), and they
// never change the line: rows, caret and selection keep their places, and the view only makes
// room for them in a band above the characters.

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace veyrin {

// One syllable over the double-byte character that starts at `byteIndex` (0-based) of its line.
struct TSynAnnotation {
    size_t byteIndex = 0;
    std::string text;  // UTF-8, tone-marked ("chuáng")
    friend bool operator==(const TSynAnnotation&, const TSynAnnotation&) = default;
};

using TSynLineAnnotations = std::vector<TSynAnnotation>;

class ISynAnnotations {
public:
    virtual ~ISynAnnotations() = default;
    // The annotations of a stored (tab-expanded) GBK line, by increasing byte index.
    virtual const TSynLineAnnotations& annotationsOf(std::string_view stored) const = 0;
};

// The annotation over the character at `byteIndex`, or nullptr.
const TSynAnnotation* annotationAt(const TSynLineAnnotations& annotations, size_t byteIndex);

class TSynPinyinAnnotations : public ISynAnnotations {
public:
    // The returned list stays valid until the next call.
    const TSynLineAnnotations& annotationsOf(std::string_view stored) const override;

    // The pinyin of one GBK line, uncached.
    static TSynLineAnnotations pinyinOfLine(std::string_view gbk);

private:
    // Painting asks for the same lines again and again; a line that changed is another key.
    mutable std::unordered_map<std::string, TSynLineAnnotations> cache_;
};

}  // namespace veyrin

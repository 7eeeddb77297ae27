#pragma once
// skin.ini held in memory: sections of key=value lines. Section and key names compare without
// regard to ASCII letter case (never folding the trail byte of a double-byte character); when a
// name occurs twice the first one counts.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace veyrin {

class SkinIniText {
public:
    struct Section {
        std::string name;                                         // as written
        std::string foldedName;
        std::vector<std::pair<std::string, std::string>> values;  // key lower-cased, value
    };

    SkinIniText() = default;
    explicit SkinIniText(const std::vector<std::string>& lines);

    bool hasSection(std::string_view section) const { return findSection(section) != nullptr; }
    std::size_t sectionCount() const { return sections_.size(); }
    // The first section of that name, or null.
    const Section* findSection(std::string_view section) const;
    // The value of the first matching key in the first matching section, or null when absent.
    const std::string* value(std::string_view section, std::string_view key) const;
    std::string readString(std::string_view section, std::string_view key, std::string_view fallback) const;

private:
    std::vector<Section> sections_;
};

// Lower-cases ASCII letters of single-byte characters only.
std::string foldSkinName(std::string_view name);

}  // namespace veyrin

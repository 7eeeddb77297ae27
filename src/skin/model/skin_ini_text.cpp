#include "skin/model/skin_ini_text.h"

#include "platform/model/gbk_text.h"

namespace veyrin {

namespace {

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && static_cast<unsigned char>(text.front()) <= ' ') text.remove_prefix(1);
    while (!text.empty() && static_cast<unsigned char>(text.back()) <= ' ') text.remove_suffix(1);
    return text;
}

bool isSectionLine(std::string_view line) { return line.size() >= 2 && line.front() == '[' && line.back() == ']'; }

}  // namespace

std::string foldSkinName(std::string_view name) {
    std::string folded(name);
    for (std::size_t i = 0; i < folded.size();) {
        const std::size_t length = gbk::characterLength(folded, i);
        if (length == 1 && folded[i] >= 'A' && folded[i] <= 'Z') folded[i] = static_cast<char>(folded[i] - 'A' + 'a');
        i += length;
    }
    return folded;
}

SkinIniText::SkinIniText(const std::vector<std::string>& lines) {
    for (const std::string& raw : lines) {
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == ';') continue;
        if (isSectionLine(line)) {
            const std::string_view name = line.substr(1, line.size() - 2);
            sections_.push_back({std::string(name), foldSkinName(name), {}});
            continue;
        }
        const std::size_t equals = line.find('=');
        if (sections_.empty() || equals == std::string_view::npos) continue;
        sections_.back().values.emplace_back(foldSkinName(trimmed(line.substr(0, equals))),
                                             std::string(trimmed(line.substr(equals + 1))));
    }
}

const SkinIniText::Section* SkinIniText::findSection(std::string_view section) const {
    const std::string wanted = foldSkinName(section);
    for (const Section& s : sections_)
        if (s.foldedName == wanted) return &s;
    return nullptr;
}

const std::string* SkinIniText::value(std::string_view section, std::string_view key) const {
    const Section* s = findSection(section);
    if (s == nullptr) return nullptr;
    const std::string wanted = foldSkinName(key);
    for (const auto& [name, value] : s->values)
        if (name == wanted) return &value;
    return nullptr;
}

std::string SkinIniText::readString(std::string_view section, std::string_view key, std::string_view fallback) const {
    const std::string* found = value(section, key);
    return found != nullptr ? *found : std::string(fallback);
}

}  // namespace veyrin

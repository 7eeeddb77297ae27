#include "app/model/favourites.h"

#include <algorithm>
#include <charconv>

#include "anthology/model/entry_files.h"
#include "app/model/settings_file.h"

namespace veyrin {
namespace {

std::string_view trimmedBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) return {};
    const auto last = text.find_last_not_of(" \t");
    return text.substr(first, last - first + 1);
}

std::optional<int> parseEntryNumber(std::string_view text) {
    text = trimmedBlanks(text);
    int number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    if (!hasEntryFile(number - 1)) return std::nullopt;
    return number;
}

}  // namespace

Favourites::Favourites(std::vector<int> catalogueIndexes) : indexes_(std::move(catalogueIndexes)) {
    std::sort(indexes_.begin(), indexes_.end());
    indexes_.erase(std::unique(indexes_.begin(), indexes_.end()), indexes_.end());
}

bool Favourites::contains(int catalogueIndex) const {
    return std::binary_search(indexes_.begin(), indexes_.end(), catalogueIndex);
}

bool Favourites::toggle(int catalogueIndex) {
    if (!hasEntryFile(catalogueIndex)) return false;
    const auto at = std::lower_bound(indexes_.begin(), indexes_.end(), catalogueIndex);
    if (at != indexes_.end() && *at == catalogueIndex) {
        indexes_.erase(at);
        return false;
    }
    indexes_.insert(at, catalogueIndex);
    return true;
}

std::optional<Favourites> parseFavourites(std::string_view value) {
    std::vector<int> indexes;
    if (trimmedBlanks(value).empty()) return Favourites{};
    while (true) {
        const std::size_t comma = value.find(',');
        const std::optional<int> number = parseEntryNumber(value.substr(0, comma));
        if (!number) return std::nullopt;
        indexes.push_back(*number - 1);
        if (comma == std::string_view::npos) break;
        value.remove_prefix(comma + 1);
    }
    return Favourites(std::move(indexes));
}

std::string formatFavourites(const Favourites& favourites) {
    std::string text;
    for (int index : favourites.catalogueIndexes()) {
        if (!text.empty()) text += ',';
        text += std::to_string(index + 1);
    }
    return text;
}

Favourites readFavourites(const TIniFile& settings) {
    return parseFavourites(settings.ReadString(kFavouritesSection, kFavouritesKey, "")).value_or(Favourites{});
}

void writeFavourites(TIniFile& settings, const Favourites& favourites) {
    settings.WriteString(kFavouritesSection, kFavouritesKey, formatFavourites(favourites));
}

}  // namespace veyrin

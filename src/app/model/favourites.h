#pragma once
// The reader's favourite entries: catalogue indexes kept in catalogue order. They are stored in
// the settings file as section [Favourites], key list: the entry numbers (index + 1, as in the
// entry file names) separated by commas, e.g. "3,17,120".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace veyrin {

class TIniFile;

inline constexpr char kFavouritesSection[] = "Favourites";
inline constexpr char kFavouritesKey[] = "list";

class Favourites {
public:
    Favourites() = default;
    explicit Favourites(std::vector<int> catalogueIndexes);

    // Catalogue indexes in catalogue order, each once.
    const std::vector<int>& catalogueIndexes() const { return indexes_; }
    bool contains(int catalogueIndex) const;
    // Marks an unmarked entry or unmarks a marked one; returns whether it is marked now. Only
    // entries with an entry file can be marked; others are refused with false.
    bool toggle(int catalogueIndex);

    bool operator==(const Favourites&) const = default;

private:
    std::vector<int> indexes_;
};

// The stored value read back; nullopt when it is not a comma-separated list of entry numbers
// 1..kEntryFileCount (blanks around the numbers are allowed, an empty value is an empty list).
std::optional<Favourites> parseFavourites(std::string_view value);
std::string formatFavourites(const Favourites& favourites);

// An unreadable stored value counts as no favourites.
Favourites readFavourites(const TIniFile& settings);
// Throws AppError "Unable to write to <path>" as every settings write does.
void writeFavourites(TIniFile& settings, const Favourites& favourites);

}  // namespace veyrin

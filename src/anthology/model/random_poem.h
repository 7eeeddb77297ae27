#pragma once
// Draws poems at random for the reader who wants to be surprised: every poem can come, and never
// the one drawn just before while another exists, so a press always shows something new.

#include <cstdint>
#include <optional>
#include <random>
#include <vector>

#include "anthology/model/search_index.h"

namespace veyrin {

class RandomPoemPicker {
public:
    // `seed` fixes the sequence of draws (tests); the program seeds from the system.
    RandomPoemPicker(std::vector<PoemPlace> poems, std::uint32_t seed);

    // The next poem; nothing when there are no poems.
    std::optional<PoemPlace> next();
    int poemCount() const { return static_cast<int>(poems_.size()); }

private:
    std::vector<PoemPlace> poems_;
    std::mt19937 random_;
    std::optional<std::size_t> last_;
};

}  // namespace veyrin

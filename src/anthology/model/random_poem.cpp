#include "anthology/model/random_poem.h"

#include <utility>

namespace veyrin {

RandomPoemPicker::RandomPoemPicker(std::vector<PoemPlace> poems, std::uint32_t seed)
    : poems_(std::move(poems)), random_(seed) {}

std::optional<PoemPlace> RandomPoemPicker::next() {
    if (poems_.empty()) return std::nullopt;
    const bool avoidLast = last_.has_value() && poems_.size() > 1;
    // Drawing among the others (one fewer) and stepping over the last keeps the draw uniform.
    std::uniform_int_distribution<std::size_t> draw(0, poems_.size() - (avoidLast ? 2 : 1));
    std::size_t pick = draw(random_);
    if (avoidLast && pick >= *last_) ++pick;
    last_ = pick;
    return poems_[pick];
}

}  // namespace veyrin

#include "controls/model/spin_value_rules.h"

#include <charconv>
#include <cstdint>

namespace veyrin {

int limitSpinValue(int value, SpinLimits limits) {
    if (limits.minValue == limits.maxValue) return value;
    if (value < limits.minValue) return limits.minValue;
    if (value > limits.maxValue) return limits.maxValue;
    return value;
}

int steppedSpinValue(int value, int step, SpinLimits limits) {
    long long sum = static_cast<long long>(value) + step;
    if (sum > INT32_MAX) sum = INT32_MAX;
    if (sum < INT32_MIN) sum = INT32_MIN;
    return limitSpinValue(static_cast<int>(sum), limits);
}

int spinValueFromText(std::string_view text, SpinLimits limits) {
    std::size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return limits.minValue;
    text.remove_prefix(start);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') return limits.minValue;
    // Parse the magnitude as a wider number so "-2147483648" fits and anything longer does not.
    long long magnitude = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size()) return limits.minValue;
    long long value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX) return limits.minValue;
    return static_cast<int>(value);
}

bool spinAcceptsChar(char32_t code, bool editorEnabled, char32_t decimalSeparator) {
    constexpr char32_t kBackspace = 8, kEnter = 13;
    if (code < 32) return code != kEnter && (editorEnabled || code != kBackspace);
    if (!editorEnabled) return false;
    return code == '+' || code == '-' || (code >= '0' && code <= '9') || code == decimalSeparator;
}

int flatEditHeightForText(int textHeight) { return textHeight + 2 * kFlatEditFrameWidth; }

int spinEditMinimumHeight(int textHeight) { return textHeight + 2 * kFlatEditFrameWidth + 1; }

SpinClientGeometry spinClientGeometry(int widgetWidth, int widgetHeight) {
    int clientWidth = widgetWidth - 2 * kFlatEditFrameWidth;
    int clientHeight = widgetHeight - 2 * kFlatEditFrameWidth;
    return {widgetWidth - kSpinArrowPairWidth - 5, clientHeight, clientWidth - kSpinArrowPairWidth - 3};
}

}  // namespace veyrin

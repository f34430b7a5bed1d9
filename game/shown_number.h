// The number a caption shows, as the rules read the trick counts and the scores back from the
// table.
#pragma once

#include <string>
#include <string_view>

namespace zavkari {

// An optional minus and the leading digits, 0 when the caption shows none (the trick labels, the
// score cells). A plain loop: a trick label is read at every trick taken.
constexpr int NumberShown(std::string_view caption) {
    const bool negative = !caption.empty() && caption.front() == '-';
    if (negative) caption.remove_prefix(1);
    int value = 0;
    for (const char c : caption) {
        if (c < '0' || c > '9' || value > 100'000'000) break;
        value = value * 10 + (c - '0');
    }
    return negative ? -value : value;
}

// The decimal text of a count or a bid; one digit without building a string, as the trick labels
// count up at every trick.
inline std::string CountText(int value) {
    if (value >= 0 && value <= 9) return std::string(1, static_cast<char>('0' + value));
    return std::to_string(value);
}

}  // namespace zavkari

// A short caption built in place, without a string on the heap: the trick counts, bids, scores and
// totals that the rules write to the table many times a deal.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>

namespace zavkari {

class ShortText {
  public:
    ShortText() = default;
    explicit ShortText(int value) { Append(value); }

    // Text beyond the capacity is cut off; no caption built this way comes near it.
    ShortText& Append(std::string_view text) {
        const std::size_t n = std::min(text.size(), buffer_.size() - size_);
        text.copy(buffer_.data() + size_, n);
        size_ += n;
        return *this;
    }
    ShortText& Append(char c) { return Append(std::string_view(&c, 1)); }
    ShortText& Append(int value) {
        const auto result =
            std::to_chars(buffer_.data() + size_, buffer_.data() + buffer_.size(), value);
        if (result.ec == std::errc{}) size_ = static_cast<std::size_t>(result.ptr - buffer_.data());
        return *this;
    }

    std::string_view view() const { return {buffer_.data(), size_}; }
    operator std::string_view() const { return view(); }

  private:
    std::array<char, 32> buffer_{};
    std::size_t size_ = 0;
};

// The number a caption shows: an optional minus and the leading digits, 0 when it shows none (the
// trick labels, the score cells). A plain loop: a trick label is read at every trick taken.
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

}  // namespace zavkari

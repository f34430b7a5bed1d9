// The text of one caption on the table. The rules write captions hundreds of times a match, nearly
// all of them a few characters long (trick counts, bids, scores, suit words), so a short text is
// kept in the object itself and written with one plain copy; only a longer one (a long name typed
// into the name box) goes to the heap.
#pragma once

#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace zavkari {

class CaptionText {
  public:
    std::string_view view() const {
        return isLong_ ? std::string_view(long_)
                       : std::string_view(reinterpret_cast<const char*>(short_.data()), size_);
    }
    operator std::string_view() const { return view(); }

    void Assign(std::string_view text) {
        if (text.size() <= kShortCapacity) {
            // The text may be part of this caption: memmove copes with the overlap.
            std::memmove(short_.data(), text.data(), text.size());
            size_ = text.size();
            isLong_ = false;
        } else {
            AssignLong(text);
        }
    }

    friend bool operator==(const CaptionText& a, std::string_view b) { return a.view() == b; }

  private:
    static constexpr std::size_t kShortCapacity = 48;

    // Kept out of line: it is rare, the short path stays small where it is inlined, and the
    // optimiser cannot carry the short texts of a caller into it (GCC 12 would warn about copies
    // that never happen).
    [[gnu::noinline]] void AssignLong(std::string_view text);

    // Left uninitialised: only the first size_ characters are ever read, and a game builds its
    // table's hundreds of captions anew for every match. Unsigned, so that copying the unused
    // tail is well defined.
    std::array<unsigned char, kShortCapacity> short_;
    std::size_t size_ = 0;
    bool isLong_ = false;
    std::string long_;
};

}  // namespace zavkari

#pragma once

#include <cstdint>
#include <vector>

namespace zavkari {

// A decoded picture: top-down rows of tightly packed 8-bit R, G, B.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgb;
};

}  // namespace zavkari

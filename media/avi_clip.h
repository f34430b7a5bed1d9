#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rgb_image.h"

namespace zavkari {

// An animation clip as the splash and the bid panel play it: one video stream of uncompressed
// 24-bit frames (RIFF AVI, 'vids' stream, BI_RGB bitmaps).
struct AviClip {
    int width = 0;
    int height = 0;
    int frameIntervalMs = 0;
    std::vector<RgbImage> frames;
};

// Reads a clip. A truncated or malformed clip yields nothing and says why in `error`; nothing is
// ever read past the end of `bytes`.
std::optional<AviClip> readAviClip(std::span<const std::uint8_t> bytes, std::string& error);

// Writes the frames (all of the clip's size) as an uncompressed AVI file with an index.
std::vector<std::uint8_t> writeAviClip(const AviClip& clip);

}  // namespace zavkari

#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "rgb_image.h"

namespace zavkari {

// An animation clip as the splash and the bid panel play it: one video stream of 24-bit frames in a
// RIFF AVI file. Each frame is stored as what changed since the frame before (the first frame
// changes every pixel): spans of pixels in a row, each a little-endian 16-bit row, column and
// length followed by the span's pixels as R, G, B bytes; the spans are deflated (codec "ZDLT") or
// stored as they are (codec "RDLT"), which costs more room and less time. What does not move costs
// nothing to store or to decode, and a frame is decoded onto the frame before as it streams out of
// the clip, with no copy of either.
struct AviClip {
    int width = 0;
    int height = 0;
    int frameIntervalMs = 0;
    std::vector<RgbImage> frames;
};

// A clip's frames found in its bytes, not decoded; the spans point into those bytes.
struct AviFrames {
    int width = 0;
    int height = 0;
    int frameIntervalMs = 0;
    bool deflated = true;
    std::vector<std::span<const std::uint8_t>> frames;
};

// Finds a clip's frames. A truncated or malformed clip yields nothing and says why in `error`;
// nothing is ever read past the end of `bytes`.
std::optional<AviFrames> indexAviClip(std::span<const std::uint8_t> bytes, std::string& error);

// A picture of 32-bit pixels 0xAARRGGBB (Qt's RGB32 and premultiplied ARGB32), rows from the top.
struct PixelView {
    std::uint32_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t pixelsPerRow = 0;
};

// Pure white as the clip's see-through colour: decoded as a fully transparent pixel (0).
enum class White { Opaque, SeeThrough };

// What one decoded frame changed in the picture.
struct FrameChange {
    int left = 0, top = 0, right = -1, bottom = -1;  // bounds of the changed pixels, inclusive
    bool outlineChanged = false;  // a pixel became see-through white or stopped being it
    bool empty() const { return right < left; }
};

// Decodes stored frame `frame` of `clip` onto `picture`, which must be of the clip's size and hold
// the frame before (frame 0 covers every pixel). A damaged frame is refused with the reason in
// `error`, and the picture is then undefined.
bool decodeAviFrame(const AviFrames& clip, std::size_t frame, PixelView picture, White white,
                    FrameChange& change, std::string& error);

// Reads and decodes every frame of a clip (for the tools and the tests that look at frames).
std::optional<AviClip> readAviClip(std::span<const std::uint8_t> bytes, std::string& error);

// Writes the frames (all of the clip's size) as an AVI file with an index.
enum class FramePacking { Deflated, Plain };
std::vector<std::uint8_t> writeAviClip(const AviClip& clip,
                                       FramePacking packing = FramePacking::Deflated);

}  // namespace zavkari

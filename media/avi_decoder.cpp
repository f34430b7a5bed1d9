#include <zlib.h>

#include <algorithm>
#include <array>

#include "avi_clip.h"
#include "little_endian.h"

namespace zavkari {
namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;
constexpr std::uint32_t kWhite = 0x00FFFFFF;
constexpr std::size_t kMaxSpan = 4096;  // the widest frame the reader accepts

// One frame's spans, handed out a piece at a time: straight from the clip's bytes, or inflated
// into a buffer when the frames are deflated.
class SpanSource {
  public:
    SpanSource(std::span<const std::uint8_t> stored, bool deflated)
        : stored_(stored), deflated_(deflated) {
        if (!deflated_) return;
        stream_.next_in = const_cast<Bytef*>(stored.data());
        stream_.avail_in = static_cast<uInt>(stored.size());
        ok_ = inflateInit(&stream_) == Z_OK;
    }
    ~SpanSource() {
        if (ok_) inflateEnd(&stream_);
    }
    SpanSource(const SpanSource&) = delete;
    SpanSource& operator=(const SpanSource&) = delete;

    // The next `count` bytes (at most a span's), or nothing when the data runs out first;
    // `ended` tells whether it had ended cleanly before.
    const std::uint8_t* next(std::size_t count, bool& ended) {
        ended = false;
        if (!deflated_) {
            ended = at_ == stored_.size();
            if (count > stored_.size() - at_) return nullptr;
            at_ += count;
            return stored_.data() + at_ - count;
        }
        if (!ok_ || count > buffer_.size()) return nullptr;
        stream_.next_out = buffer_.data();
        stream_.avail_out = static_cast<uInt>(count);
        while (stream_.avail_out > 0) {
            const int result = inflate(&stream_, Z_NO_FLUSH);
            if (result == Z_STREAM_END && stream_.avail_out > 0) {
                ended = stream_.avail_out == count;
                return nullptr;
            }
            if (result != Z_OK && result != Z_STREAM_END) return nullptr;
        }
        return buffer_.data();
    }

  private:
    std::span<const std::uint8_t> stored_;
    bool deflated_;
    std::size_t at_ = 0;
    z_stream stream_{};
    bool ok_ = false;
    std::array<std::uint8_t, 3 * kMaxSpan> buffer_;
};

// Puts a span's new pixels in place; widens `change` by them.
void applySpan(const std::uint8_t* rgb, int count, std::uint32_t* pixels, int x, int y, White white,
               FrameChange& change) {
    const bool keyed = white == White::SeeThrough;
    for (int i = 0; i < count; ++i) {
        const std::uint32_t now = static_cast<std::uint32_t>(rgb[3 * i]) << 16 |
                                  static_cast<std::uint32_t>(rgb[3 * i + 1]) << 8 | rgb[3 * i + 2];
        const bool clear = keyed && now == kWhite;
        change.outlineChanged |= keyed && clear != (pixels[x + i] == 0);
        pixels[x + i] = clear ? 0 : kOpaque | now;
    }
    if (change.empty()) {
        change = {x, y, x + count - 1, y, change.outlineChanged};
        return;
    }
    change.left = std::min(change.left, x);
    change.top = std::min(change.top, y);
    change.right = std::max(change.right, x + count - 1);
    change.bottom = std::max(change.bottom, y);
}

}  // namespace

bool decodeAviFrame(const AviFrames& clip, std::size_t frame, PixelView picture, White white,
                    FrameChange& change, std::string& error) {
    change = {};
    if (frame >= clip.frames.size() || picture.width != clip.width ||
        picture.height != clip.height) {
        error = "no such frame, or a picture of another size";
        return false;
    }
    const auto damaged = [&] {
        error = "frame " + std::to_string(frame) + " is damaged";
        return false;
    };
    SpanSource spans(clip.frames[frame], clip.deflated);
    for (;;) {
        bool ended = false;
        const std::uint8_t* start = spans.next(6, ended);
        if (ended) break;
        if (start == nullptr) return damaged();
        const std::span<const std::uint8_t> header(start, 6);
        const int y = le16At(header, 0);
        const int x = le16At(header, 2);
        const int count = le16At(header, 4);
        if (y >= picture.height || count == 0 || x + count > picture.width) return damaged();
        const std::uint8_t* rgb = spans.next(3 * static_cast<std::size_t>(count), ended);
        if (rgb == nullptr) return damaged();
        applySpan(rgb, count, picture.pixels + y * picture.pixelsPerRow, x, y, white, change);
    }
    return true;
}

std::optional<AviClip> readAviClip(std::span<const std::uint8_t> bytes, std::string& error) {
    const auto stored = indexAviClip(bytes, error);
    if (!stored) return std::nullopt;
    AviClip clip{stored->width, stored->height, stored->frameIntervalMs, {}};
    const auto pixelCount = static_cast<std::size_t>(clip.width) * clip.height;
    std::vector<std::uint32_t> pixels(pixelCount);
    const PixelView picture{pixels.data(), clip.width, clip.height, clip.width};
    for (std::size_t f = 0; f < stored->frames.size(); ++f) {
        FrameChange change;
        if (!decodeAviFrame(*stored, f, picture, White::Opaque, change, error)) return std::nullopt;
        RgbImage frame{clip.width, clip.height, std::vector<std::uint8_t>(pixelCount * 3)};
        for (std::size_t i = 0; i < pixelCount; ++i) {
            frame.rgb[3 * i] = static_cast<std::uint8_t>(pixels[i] >> 16);
            frame.rgb[3 * i + 1] = static_cast<std::uint8_t>(pixels[i] >> 8);
            frame.rgb[3 * i + 2] = static_cast<std::uint8_t>(pixels[i]);
        }
        clip.frames.push_back(std::move(frame));
    }
    return clip;
}

}  // namespace zavkari

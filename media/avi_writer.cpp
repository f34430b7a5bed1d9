#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <string_view>
#include <utility>

#include "avi_clip.h"

namespace zavkari {
namespace {

class ByteWriter {
  public:
    void fourcc(std::string_view code) { bytes_.insert(bytes_.end(), code.begin(), code.end()); }
    void u16(std::uint16_t value) {
        bytes_.push_back(static_cast<std::uint8_t>(value));
        bytes_.push_back(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value) {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void zeros(std::size_t count) { bytes_.insert(bytes_.end(), count, 0); }

    // Starts a chunk whose size is filled in by `endChunk`.
    std::size_t beginChunk(std::string_view id) {
        fourcc(id);
        const std::size_t sizeAt = bytes_.size();
        u32(0);
        return sizeAt;
    }
    std::size_t beginList(std::string_view listId, std::string_view type) {
        const std::size_t sizeAt = beginChunk(listId);
        fourcc(type);
        return sizeAt;
    }
    void endChunk(std::size_t sizeAt) {
        const auto size = static_cast<std::uint32_t>(bytes_.size() - sizeAt - 4);
        for (int i = 0; i < 4; ++i)
            bytes_[sizeAt + i] = static_cast<std::uint8_t>(size >> (8 * i));
        if (size % 2 != 0) bytes_.push_back(0);
    }

    std::size_t size() const { return bytes_.size(); }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

  private:
    std::vector<std::uint8_t> bytes_;
};

void putU16(std::vector<std::uint8_t>& bytes, int value) {
    bytes.push_back(static_cast<std::uint8_t>(value));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

// A frame as the spans of pixels that differ from the frame before (all of them for the first).
// Spans a few unchanged pixels apart are joined: a span's head costs two pixels.
std::vector<std::uint8_t> encodeFrame(const RgbImage& frame, const RgbImage* before,
                                      FramePacking packing) {
    constexpr int kJoinGap = 2;
    const auto changed = [&](int x, int y) {
        const std::size_t at = (static_cast<std::size_t>(y) * frame.width + x) * 3;
        return before == nullptr || !std::equal(frame.rgb.begin() + at, frame.rgb.begin() + at + 3,
                                                before->rgb.begin() + at);
    };
    std::vector<std::uint8_t> spans;
    for (int y = 0; y < frame.height; ++y) {
        int x = 0;
        while (x < frame.width) {
            if (!changed(x, y)) {
                ++x;
                continue;
            }
            int end = x + 1;  // one past the span's last changed pixel
            for (int next = end; next < frame.width && next <= end + kJoinGap; ++next)
                if (changed(next, y)) end = next + 1;
            putU16(spans, y);
            putU16(spans, x);
            putU16(spans, end - x);
            const auto row = frame.rgb.begin() + static_cast<std::ptrdiff_t>(y) * frame.width * 3;
            spans.insert(spans.end(), row + 3 * x, row + 3 * end);
            x = end;
        }
    }
    if (packing == FramePacking::Plain) return spans;
    uLongf size = compressBound(static_cast<uLong>(spans.size()));
    std::vector<std::uint8_t> stored(size);
    compress2(stored.data(), &size, spans.data(), static_cast<uLong>(spans.size()),
              Z_BEST_COMPRESSION);
    stored.resize(size);
    return stored;
}

}  // namespace

std::vector<std::uint8_t> writeAviClip(const AviClip& clip, FramePacking packing) {
    std::vector<std::vector<std::uint8_t>> stored;
    for (std::size_t f = 0; f < clip.frames.size(); ++f)
        stored.push_back(
            encodeFrame(clip.frames[f], f == 0 ? nullptr : &clip.frames[f - 1], packing));
    std::size_t largest = 0;
    for (const auto& frame : stored)
        largest = std::max(largest, frame.size());
    const auto frameBytes = static_cast<std::uint32_t>(largest);
    const auto pictureBytes = static_cast<std::uint32_t>(clip.width * clip.height * 3);
    const auto frameCount = static_cast<std::uint32_t>(clip.frames.size());
    const auto microseconds = static_cast<std::uint32_t>(clip.frameIntervalMs) * 1000;
    constexpr std::uint32_t hasIndex = 0x10;
    constexpr std::uint32_t keyFrame = 0x10;
    const std::string_view codec = packing == FramePacking::Deflated ? "ZDLT" : "RDLT";

    ByteWriter out;
    const std::size_t riff = out.beginList("RIFF", "AVI ");

    const std::size_t hdrl = out.beginList("LIST", "hdrl");
    const std::size_t avih = out.beginChunk("avih");
    out.u32(microseconds);
    out.u32(frameBytes * 1000 / static_cast<std::uint32_t>(clip.frameIntervalMs));
    out.u32(0);  // padding granularity
    out.u32(hasIndex);
    out.u32(frameCount);
    out.u32(0);  // initial frames
    out.u32(1);  // streams
    out.u32(frameBytes);
    out.u32(static_cast<std::uint32_t>(clip.width));
    out.u32(static_cast<std::uint32_t>(clip.height));
    out.zeros(16);
    out.endChunk(avih);

    const std::size_t strl = out.beginList("LIST", "strl");
    const std::size_t strh = out.beginChunk("strh");
    out.fourcc("vids");
    out.fourcc(codec);
    out.u32(0);             // flags
    out.u16(0);             // priority
    out.u16(0);             // language
    out.u32(0);             // initial frames
    out.u32(microseconds);  // scale / rate = seconds per frame
    out.u32(1000000);
    out.u32(0);  // start
    out.u32(frameCount);
    out.u32(frameBytes);
    out.u32(0xFFFFFFFF);  // default quality
    out.u32(frameBytes);
    out.u16(0);
    out.u16(0);
    out.u16(static_cast<std::uint16_t>(clip.width));
    out.u16(static_cast<std::uint16_t>(clip.height));
    out.endChunk(strh);
    const std::size_t strf = out.beginChunk("strf");
    out.u32(40);
    out.u32(static_cast<std::uint32_t>(clip.width));
    out.u32(static_cast<std::uint32_t>(clip.height));
    out.u16(1);   // planes
    out.u16(24);  // bits per pixel
    out.fourcc(codec);
    out.u32(pictureBytes);
    out.zeros(16);
    out.endChunk(strf);
    out.endChunk(strl);
    out.endChunk(hdrl);

    const std::size_t movi = out.beginList("LIST", "movi");
    const std::size_t moviType = movi + 4;
    std::vector<std::uint32_t> frameOffsets;
    for (const auto& frame : stored) {
        frameOffsets.push_back(static_cast<std::uint32_t>(out.size() - moviType));
        const std::size_t chunk = out.beginChunk("00dc");
        out.bytes().insert(out.bytes().end(), frame.begin(), frame.end());
        out.endChunk(chunk);
    }
    out.endChunk(movi);

    const std::size_t idx1 = out.beginChunk("idx1");
    for (std::size_t f = 0; f < stored.size(); ++f) {
        out.fourcc("00dc");
        out.u32(f == 0 ? keyFrame : 0);
        out.u32(frameOffsets[f]);
        out.u32(static_cast<std::uint32_t>(stored[f].size()));
    }
    out.endChunk(idx1);

    out.endChunk(riff);
    return std::move(out.bytes());
}

}  // namespace zavkari

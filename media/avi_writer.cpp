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

// Bitmap rows are stored bottom-up, blue first, each padded to a multiple of four bytes.
void writeFrame(ByteWriter& out, const RgbImage& frame, std::size_t stride) {
    for (int y = frame.height - 1; y >= 0; --y) {
        const std::uint8_t* row = frame.rgb.data() + static_cast<std::size_t>(y) * frame.width * 3;
        std::vector<std::uint8_t>& bytes = out.bytes();
        for (int x = 0; x < frame.width; ++x) {
            bytes.push_back(row[3 * x + 2]);
            bytes.push_back(row[3 * x + 1]);
            bytes.push_back(row[3 * x]);
        }
        out.zeros(stride - static_cast<std::size_t>(frame.width) * 3);
    }
}

}  // namespace

std::vector<std::uint8_t> writeAviClip(const AviClip& clip) {
    const std::size_t stride = (static_cast<std::size_t>(clip.width) * 3 + 3) / 4 * 4;
    const auto frameBytes = static_cast<std::uint32_t>(stride * clip.height);
    const auto frameCount = static_cast<std::uint32_t>(clip.frames.size());
    const auto microseconds = static_cast<std::uint32_t>(clip.frameIntervalMs) * 1000;
    constexpr std::uint32_t hasIndex = 0x10;
    constexpr std::uint32_t keyFrame = 0x10;

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
    out.fourcc("DIB ");
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
    out.u32(static_cast<std::uint32_t>(clip.height));  // positive: rows bottom-up
    out.u16(1);                                        // planes
    out.u16(24);                                       // bits per pixel
    out.u32(0);                                        // BI_RGB
    out.u32(frameBytes);
    out.zeros(16);
    out.endChunk(strf);
    out.endChunk(strl);
    out.endChunk(hdrl);

    const std::size_t movi = out.beginList("LIST", "movi");
    const std::size_t moviType = movi + 4;
    std::vector<std::uint32_t> frameOffsets;
    for (const RgbImage& frame : clip.frames) {
        frameOffsets.push_back(static_cast<std::uint32_t>(out.size() - moviType));
        const std::size_t chunk = out.beginChunk("00db");
        writeFrame(out, frame, stride);
        out.endChunk(chunk);
    }
    out.endChunk(movi);

    const std::size_t idx1 = out.beginChunk("idx1");
    for (std::uint32_t offset : frameOffsets) {
        out.fourcc("00db");
        out.u32(keyFrame);
        out.u32(offset);
        out.u32(frameBytes);
    }
    out.endChunk(idx1);

    out.endChunk(riff);
    return std::move(out.bytes());
}

}  // namespace zavkari

#include <cstddef>
#include <string_view>

#include "avi_clip.h"
#include "little_endian.h"

namespace zavkari {
namespace {

// Larger frames than this are taken for a corrupt header rather than allocated.
constexpr std::uint32_t maxSide = 4096;

std::string_view fourccAt(std::span<const std::uint8_t> bytes, std::size_t at) {
    return {reinterpret_cast<const char*>(bytes.data() + at), 4};
}

struct Chunk {
    std::string_view id;
    std::span<const std::uint8_t> data;
};

// Walks the chunks of one RIFF list body. A chunk that claims more bytes than its list holds
// stops the walk with an error.
class ChunkWalker {
  public:
    explicit ChunkWalker(std::span<const std::uint8_t> body) : body_(body) {}

    bool next(Chunk& chunk, std::string& error) {
        if (at_ + 8 > body_.size()) {
            if (at_ < body_.size()) error = "a chunk header is cut short";
            return false;
        }
        const std::uint32_t size = le32At(body_, at_ + 4);
        if (size > body_.size() - at_ - 8) {
            error = "chunk '" + std::string(fourccAt(body_, at_)) + "' runs past its end";
            return false;
        }
        chunk = {fourccAt(body_, at_), body_.subspan(at_ + 8, size)};
        at_ += 8 + static_cast<std::size_t>(size) + size % 2;
        return true;
    }

  private:
    std::span<const std::uint8_t> body_;
    std::size_t at_ = 0;
};

bool isList(const Chunk& chunk, std::string_view type) {
    return chunk.id == "LIST" && chunk.data.size() >= 4 && fourccAt(chunk.data, 0) == type;
}

struct VideoFormat {
    int streamNumber = -1;
    std::uint32_t microsecondsPerFrame = 0;
    std::int32_t width = 0;
    std::int32_t height = 0;  // positive: rows stored bottom-up
};

class ClipReader {
  public:
    explicit ClipReader(std::string& error) : error_(error) {}

    std::optional<AviClip> read(std::span<const std::uint8_t> bytes) {
        if (!readFile(bytes)) return std::nullopt;
        return std::move(clip_);
    }

  private:
    bool reject(std::string reason) {
        error_ = std::move(reason);
        return false;
    }

    bool readFile(std::span<const std::uint8_t> bytes) {
        if (bytes.size() < 12 || fourccAt(bytes, 0) != "RIFF" || fourccAt(bytes, 8) != "AVI ")
            return reject("not an AVI file");
        const std::uint32_t riffSize = le32At(bytes, 4);
        if (riffSize < 4 || riffSize > bytes.size() - 8) return reject("the file is truncated");
        if (!readList(bytes.subspan(12, riffSize - 4))) return false;
        if (format_.streamNumber < 0) return reject("no video stream");
        if (clip_.frames.empty()) return reject("no frames");
        return true;
    }

    bool readList(std::span<const std::uint8_t> body) {
        ChunkWalker walker(body);
        Chunk chunk;
        while (walker.next(chunk, error_)) {
            if (isList(chunk, "hdrl") && !readHeaderList(chunk.data.subspan(4))) return false;
            if (isList(chunk, "movi") && !readFrames(chunk.data.subspan(4))) return false;
        }
        return error_.empty();
    }

    bool readHeaderList(std::span<const std::uint8_t> body) {
        ChunkWalker walker(body);
        Chunk chunk;
        int streamNumber = 0;
        while (walker.next(chunk, error_)) {
            if (chunk.id == "avih") {
                if (chunk.data.size() < 40) return reject("the main header is too short");
                format_.microsecondsPerFrame = le32At(chunk.data, 0);
            } else if (isList(chunk, "strl")) {
                if (!readStreamList(chunk.data.subspan(4), streamNumber)) return false;
                ++streamNumber;
            }
        }
        return error_.empty();
    }

    bool readStreamList(std::span<const std::uint8_t> body, int streamNumber) {
        ChunkWalker walker(body);
        Chunk chunk;
        bool isVideo = false;
        while (walker.next(chunk, error_)) {
            if (chunk.id == "strh") {
                if (chunk.data.size() < 4) return reject("a stream header is too short");
                isVideo = fourccAt(chunk.data, 0) == "vids";
            } else if (chunk.id == "strf" && isVideo && format_.streamNumber < 0) {
                if (!readBitmapFormat(chunk.data)) return false;
                format_.streamNumber = streamNumber;
            }
        }
        return error_.empty();
    }

    bool readBitmapFormat(std::span<const std::uint8_t> data) {
        if (data.size() < 20) return reject("the frame format is too short");
        const auto width = static_cast<std::int32_t>(le32At(data, 4));
        const auto height = static_cast<std::int32_t>(le32At(data, 8));
        const std::uint16_t bitsPerPixel = le16At(data, 14);
        const std::uint32_t compression = le32At(data, 16);
        if (bitsPerPixel != 24 || compression != 0)
            return reject("frames are not uncompressed 24-bit bitmaps");
        const std::int64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
        if (width <= 0 || width > static_cast<std::int32_t>(maxSide) || rows == 0 || rows > maxSide)
            return reject("the frame size is out of range");
        if (format_.microsecondsPerFrame == 0) return reject("the frame rate is missing or zero");
        format_.width = width;
        format_.height = height;
        clip_.width = width;
        clip_.height = static_cast<int>(rows);
        clip_.frameIntervalMs = static_cast<int>((format_.microsecondsPerFrame + 500) / 1000);
        return true;
    }

    bool isFrameChunk(std::string_view id) const {
        if (id.size() != 4 || (id.substr(2) != "db" && id.substr(2) != "dc")) return false;
        if (id[0] < '0' || id[0] > '9' || id[1] < '0' || id[1] > '9') return false;
        return (id[0] - '0') * 10 + (id[1] - '0') == format_.streamNumber;
    }

    bool readFrames(std::span<const std::uint8_t> body) {
        if (format_.streamNumber < 0) return reject("frames come before their format");
        ChunkWalker walker(body);
        Chunk chunk;
        while (walker.next(chunk, error_)) {
            if (isList(chunk, "rec ") && !readFrames(chunk.data.subspan(4))) return false;
            if (isFrameChunk(chunk.id) && !decodeFrame(chunk.data)) return false;
        }
        return error_.empty();
    }

    bool decodeFrame(std::span<const std::uint8_t> data) {
        const std::size_t width = static_cast<std::size_t>(clip_.width);
        const std::size_t rows = static_cast<std::size_t>(clip_.height);
        const std::size_t stride = (width * 3 + 3) / 4 * 4;
        if (data.size() < stride * rows) return reject("a frame is shorter than its bitmap");
        RgbImage frame{clip_.width, clip_.height, std::vector<std::uint8_t>(width * rows * 3)};
        for (std::size_t y = 0; y < rows; ++y) {
            const std::size_t sourceRow = format_.height > 0 ? rows - 1 - y : y;
            const std::uint8_t* source = data.data() + sourceRow * stride;
            std::uint8_t* target = frame.rgb.data() + y * width * 3;
            for (std::size_t x = 0; x < width; ++x) {
                target[3 * x] = source[3 * x + 2];
                target[3 * x + 1] = source[3 * x + 1];
                target[3 * x + 2] = source[3 * x];
            }
        }
        clip_.frames.push_back(std::move(frame));
        return true;
    }

    std::string& error_;
    VideoFormat format_;
    AviClip clip_;
};

}  // namespace

std::optional<AviClip> readAviClip(std::span<const std::uint8_t> bytes, std::string& error) {
    error.clear();
    return ClipReader(error).read(bytes);
}

}  // namespace zavkari

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
};

// The frames' encodings, as the bitmap format's compression code.
constexpr std::string_view kDeflatedSpans = "ZDLT";
constexpr std::string_view kPlainSpans = "RDLT";

class ClipReader {
  public:
    explicit ClipReader(std::string& error) : error_(error) {}

    std::optional<AviFrames> read(std::span<const std::uint8_t> bytes) {
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
        const std::uint32_t width = le32At(data, 4);
        const std::uint32_t height = le32At(data, 8);
        const std::string_view codec = fourccAt(data, 16);
        if (le16At(data, 14) != 24 || (codec != kDeflatedSpans && codec != kPlainSpans))
            return reject("frames are not 24-bit pictures in the clips' own encoding");
        if (width == 0 || width > maxSide || height == 0 || height > maxSide)
            return reject("the frame size is out of range");
        if (format_.microsecondsPerFrame == 0) return reject("the frame rate is missing or zero");
        clip_.width = static_cast<int>(width);
        clip_.height = static_cast<int>(height);
        clip_.deflated = codec == kDeflatedSpans;
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
            if (isFrameChunk(chunk.id)) clip_.frames.push_back(chunk.data);
        }
        return error_.empty();
    }

    std::string& error_;
    VideoFormat format_;
    AviFrames clip_;
};

}  // namespace

std::optional<AviFrames> indexAviClip(std::span<const std::uint8_t> bytes, std::string& error) {
    error.clear();
    return ClipReader(error).read(bytes);
}

}  // namespace zavkari

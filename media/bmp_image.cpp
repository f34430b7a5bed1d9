#include "bmp_image.h"

#include <algorithm>
#include <array>
#include <bit>

#include "large_buffer.h"
#include "little_endian.h"

namespace zavkari {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;  // the old header: 16-bit sizes, 3-byte palette
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kUncompressed = 0;
constexpr std::uint32_t kRunLength8 = 1;
constexpr std::uint32_t kRunLength4 = 2;
constexpr std::uint32_t kColourMasks = 3;
constexpr std::uint64_t kMasksEnd = kFileHeaderSize + kInfoHeaderSize + 12;

// One colour of a 16- or 32-bit pixel, taken out by its mask and scaled to 0..255.
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t top = 1;  // the largest value under the mask

    explicit Channel(std::uint32_t m) : mask(m) {
        if (mask == 0) return;
        shift = std::countr_zero(mask);
        top = mask >> shift;
    }
    std::uint8_t operator()(std::uint32_t pixel) const {
        const std::uint64_t value = (pixel & mask) >> shift;
        return static_cast<std::uint8_t>(value * 255 / top);
    }
};

struct Header {
    std::uint64_t width = 0;
    std::uint64_t height = 0;
    bool topDown = false;
    std::uint32_t bits = 0;
    std::uint32_t compression = kUncompressed;
    std::uint64_t pixelOffset = 0;
    std::uint64_t paletteOffset = 0;
    std::uint64_t paletteSize = 0;   // colours
    std::uint64_t paletteEntry = 4;  // bytes per colour
    std::array<std::uint32_t, 3> masks{};
};

bool fail(std::string& error, std::string why) {
    error = std::move(why);
    return false;
}

bool readHeader(std::span<const std::uint8_t> b, Header& h, std::string& error) {
    if (b.empty()) return fail(error, "the file is empty");
    if (b.size() < kFileHeaderSize + 4 || b[0] != 'B' || b[1] != 'M')
        return fail(error, "the file is not a bitmap");
    h.pixelOffset = le32At(b, 10);
    const std::uint32_t infoSize = le32At(b, 14);
    if (infoSize != kCoreHeaderSize && (infoSize < kInfoHeaderSize || infoSize > 124))
        return fail(error, "the bitmap header has an unknown size");
    if (b.size() < kFileHeaderSize + infoSize) return fail(error, "the bitmap header is cut short");

    std::int64_t width = 0;
    std::int64_t height = 0;
    std::uint32_t planes = 0;
    if (infoSize == kCoreHeaderSize) {
        width = le16At(b, 18);
        height = le16At(b, 20);
        planes = le16At(b, 22);
        h.bits = le16At(b, 24);
        h.paletteEntry = 3;
    } else {
        width = static_cast<std::int32_t>(le32At(b, 18));
        height = static_cast<std::int32_t>(le32At(b, 22));
        planes = le16At(b, 26);
        h.bits = le16At(b, 28);
        h.compression = le32At(b, 30);
        h.paletteSize = le32At(b, 46);
    }
    if (planes != 1) return fail(error, "the bitmap has more than one plane");
    h.topDown = height < 0;
    if (width <= 0 || height == 0 || width > kBmpMaxSide || height > kBmpMaxSide ||
        height < -kBmpMaxSide)
        return fail(error, "the bitmap's size is out of range");
    h.width = static_cast<std::uint64_t>(width);
    h.height = static_cast<std::uint64_t>(height < 0 ? -height : height);
    if (h.width * h.height * 3 > kBmpMaxDecodedBytes)
        return fail(error, "the bitmap is too large to show");

    const bool paletted = h.bits == 1 || h.bits == 4 || h.bits == 8;
    const bool masked = h.bits == 16 || h.bits == 32;
    if (!paletted && !masked && h.bits != 24)
        return fail(error, "the bitmap has an unsupported number of bits per pixel");
    const bool runLength = (h.compression == kRunLength8 && h.bits == 8) ||
                           (h.compression == kRunLength4 && h.bits == 4);
    if (h.compression != kUncompressed && !runLength && !(h.compression == kColourMasks && masked))
        return fail(error, "the bitmap's compression is not supported");
    if (runLength && h.topDown) return fail(error, "a run-length bitmap must be stored bottom-up");

    h.paletteOffset = kFileHeaderSize + infoSize;
    if (h.compression == kColourMasks) {
        // The three masks follow the short header's 40 bytes, inside a longer header or after it.
        h.paletteOffset = std::max<std::uint64_t>(h.paletteOffset, kMasksEnd);
        if (b.size() < h.paletteOffset) return fail(error, "the colour masks are cut short");
        for (std::size_t i = 0; i < 3; ++i)
            h.masks[i] = le32At(b, kFileHeaderSize + kInfoHeaderSize + 4 * i);
    } else if (h.bits == 16) {
        h.masks = {0x7C00, 0x03E0, 0x001F};
    } else {
        h.masks = {0xFF0000, 0x00FF00, 0x0000FF};
    }

    if (paletted) {
        const std::uint64_t full = 1ull << h.bits;
        if (h.paletteSize == 0) h.paletteSize = full;
        if (h.paletteSize > full) return fail(error, "the palette has too many colours");
        if (h.paletteOffset + h.paletteSize * h.paletteEntry > b.size())
            return fail(error, "the palette is cut short");
    } else {
        h.paletteSize = 0;
    }
    if (h.pixelOffset < h.paletteOffset + h.paletteSize * h.paletteEntry)
        return fail(error, "the pixels overlap the bitmap header");
    if (h.pixelOffset > b.size()) return fail(error, "the bitmap's pixels are cut short");
    return true;
}

// Puts palette colour `index` at `out` (R, G, B); false when the palette has no such colour.
bool putColour(std::uint8_t* out, std::span<const std::uint8_t> palette, const Header& h,
               std::uint64_t index) {
    if (index >= h.paletteSize) return false;
    const auto colour = palette.subspan(index * h.paletteEntry, 3);
    out[0] = colour[2];
    out[1] = colour[1];
    out[2] = colour[0];
    return true;
}

// Reads the runs of an 8- or 4-bit run-length bitmap, rows from the bottom up. Without `out` it
// only checks that every run and jump stays inside the picture, names a colour of the palette and
// lies inside the file; with `out` (filled with colour 0, which the pixels no run sets keep) it
// also writes the pixels.
bool readRuns(std::span<const std::uint8_t> b, const Header& h,
              std::span<const std::uint8_t> palette, std::uint8_t* out, std::string& error) {
    const auto runs = b.subspan(h.pixelOffset);
    std::size_t at = 0;
    std::uint64_t x = 0;
    std::uint64_t y = 0;
    // Paints `count` pixels from x on; `colourAt(i)` is the palette index of the i-th.
    auto paint = [&](std::uint64_t count, auto colourAt) {
        if (y >= h.height || x + count > h.width)
            return fail(error, "a run of the bitmap goes past the edge of the picture");
        for (std::uint64_t i = 0; i < count; ++i, ++x) {
            std::uint8_t scratch[3];
            std::uint8_t* pixel = out ? out + ((h.height - 1 - y) * h.width + x) * 3 : scratch;
            if (!putColour(pixel, palette, h, colourAt(i)))
                return fail(error, "a pixel names a colour the palette does not have");
        }
        return true;
    };
    while (true) {
        if (at + 2 > runs.size()) {
            // Files that end with the last row, without the end mark, are read as they are.
            if (y >= h.height) return true;
            return fail(error, "the bitmap's pixels are cut short");
        }
        const std::uint32_t count = runs[at];
        const std::uint32_t value = runs[at + 1];
        at += 2;
        if (count > 0) {  // `count` pixels of one colour, or of two alternating in 4 bits
            const bool painted = h.bits == 8 ? paint(count, [&](std::uint64_t) { return value; })
                                             : paint(count, [&](std::uint64_t i) {
                                                   return i % 2 == 0 ? value >> 4 : value & 0x0F;
                                               });
            if (!painted) return false;
        } else if (value == 0) {  // end of the row
            x = 0;
            ++y;
        } else if (value == 1) {  // end of the picture
            return true;
        } else if (value == 2) {  // a jump right and up
            if (at + 2 > runs.size()) return fail(error, "the bitmap's pixels are cut short");
            x += runs[at];
            y += runs[at + 1];
            at += 2;
        } else {  // `value` pixels as stored, padded to a whole number of 16-bit words
            const std::size_t stored = h.bits == 8 ? value : (value + 1) / 2;
            if (at + stored > runs.size()) return fail(error, "the bitmap's pixels are cut short");
            const auto pixels = runs.subspan(at, stored);
            const bool painted =
                h.bits == 8 ? paint(value, [&](std::uint64_t i) { return pixels[i]; })
                            : paint(value, [&](std::uint64_t i) {
                                  return i % 2 == 0 ? pixels[i / 2] >> 4 : pixels[i / 2] & 0x0F;
                              });
            if (!painted) return false;
            at += (stored + 1) / 2 * 2;
        }
    }
}

RgbImage allocate(const Header& h) {
    RgbImage image;
    image.width = static_cast<int>(h.width);
    image.height = static_cast<int>(h.height);
    resizeLargeBuffer(image.rgb, h.width * h.height * 3);
    return image;
}

}  // namespace

std::optional<RgbImage> decodeBmp(std::span<const std::uint8_t> bytes, std::string& error) {
    Header h;
    if (!readHeader(bytes, h, error)) return std::nullopt;
    const auto palette = bytes.subspan(h.paletteOffset, h.paletteSize * h.paletteEntry);

    if (h.compression == kRunLength8 || h.compression == kRunLength4) {
        if (!readRuns(bytes, h, palette, nullptr, error)) return std::nullopt;
        RgbImage image = allocate(h);
        for (std::size_t i = 0; i < image.rgb.size(); i += 3)
            putColour(image.rgb.data() + i, palette, h, 0);
        readRuns(bytes, h, palette, image.rgb.data(), error);
        return image;
    }

    const std::uint64_t stride = (h.width * h.bits + 31) / 32 * 4;
    if (h.pixelOffset + stride * h.height > bytes.size()) {
        error = "the bitmap's pixels are cut short";
        return std::nullopt;
    }

    const Channel red(h.masks[0]), green(h.masks[1]), blue(h.masks[2]);
    RgbImage image = allocate(h);
    std::uint8_t* out = image.rgb.data();
    for (std::uint64_t y = 0; y < h.height; ++y) {
        const std::uint64_t stored = h.topDown ? y : h.height - 1 - y;
        const auto row = bytes.subspan(h.pixelOffset + stored * stride, stride);
        for (std::uint64_t x = 0; x < h.width; ++x, out += 3) {
            if (h.bits == 24) {
                out[0] = row[3 * x + 2];
                out[1] = row[3 * x + 1];
                out[2] = row[3 * x];
            } else if (h.bits == 16 || h.bits == 32) {
                const std::uint32_t pixel = h.bits == 16 ? le16At(row, 2 * x) : le32At(row, 4 * x);
                out[0] = red(pixel);
                out[1] = green(pixel);
                out[2] = blue(pixel);
            } else {
                const std::uint64_t bit = x * h.bits;
                const unsigned shift = 8 - h.bits - bit % 8;
                const std::uint64_t index = (row[bit / 8] >> shift) & ((1u << h.bits) - 1);
                if (!putColour(out, palette, h, index)) {
                    error = "a pixel names a colour the palette does not have";
                    return std::nullopt;
                }
            }
        }
    }
    return image;
}

}  // namespace zavkari

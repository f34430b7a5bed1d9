#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <tuple>
#include <vector>

#include "avi_clip.h"
#include "byte_span.h"
#include "pictures.h"

namespace zavkari {
namespace {

std::vector<std::uint8_t> splashBytes() {
    const QByteArray data = pictures::data("DATKEBA");
    const auto bytes = bytesOf(data);
    return {bytes.begin(), bytes.end()};
}

// Offset of the first occurrence of a four-letter code.
std::size_t find(const std::vector<std::uint8_t>& bytes, const char* code) {
    for (std::size_t i = 0; i + 4 <= bytes.size(); ++i)
        if (std::memcmp(bytes.data() + i, code, 4) == 0) return i;
    return bytes.size();
}

void putU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// A small clip whose pixels say where they are, to follow rows and colour order.
AviClip patternClip(int width, int height, int frames) {
    AviClip clip{width, height, 40, {}};
    for (int f = 0; f < frames; ++f) {
        RgbImage frame{width, height, {}};
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                frame.rgb.insert(frame.rgb.end(),
                                 {static_cast<std::uint8_t>(x * 10),
                                  static_cast<std::uint8_t>(y * 10), static_cast<std::uint8_t>(f)});
        clip.frames.push_back(frame);
    }
    return clip;
}

TEST(AviClip, TheSplashClipHas56FramesOf500By339At83Ms) {
    std::string error;
    const auto clip = readAviClip(splashBytes(), error);
    ASSERT_TRUE(clip) << error;
    EXPECT_EQ(clip->width, 500);
    EXPECT_EQ(clip->height, 339);
    EXPECT_EQ(clip->frameIntervalMs, 83);
    ASSERT_EQ(clip->frames.size(), 56u);
    for (const RgbImage& frame : clip->frames)
        EXPECT_EQ(frame.rgb.size(), 500u * 339 * 3);
}

TEST(AviClip, TheSplashStartsWithSomethingToSeeOnWhite) {
    std::string error;
    const auto clip = readAviClip(splashBytes(), error);
    ASSERT_TRUE(clip) << error;
    const QImage first = pictures::toImage(clip->frames.front());
    EXPECT_EQ(first.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(first.pixelColor(499, 338), QColor(Qt::white));
    int coloured = 0;
    for (int y = 0; y < first.height(); y += 3)
        for (int x = 0; x < first.width(); x += 3)
            coloured += first.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_GT(coloured, 200);
}

TEST(AviClip, TheBidPanelClipLoopsOnTheBrownPanel) {
    const QByteArray data = pictures::data("REKLAMA");
    std::string error;
    const auto clip = readAviClip(bytesOf(data), error);
    ASSERT_TRUE(clip) << error;
    EXPECT_EQ(clip->width, 273);
    EXPECT_EQ(clip->height, 129);
    EXPECT_GE(clip->frames.size(), 2u);
    EXPECT_EQ(pictures::toImage(clip->frames.front()).pixelColor(0, 0), QColor(128, 64, 0));
}

TEST(AviClip, WrittenFramesReadBackPixelForPixel) {
    // 3 pixels of 3 bytes make rows that need padding to a multiple of four.
    const AviClip written = patternClip(3, 4, 2);
    std::string error;
    const auto read = readAviClip(writeAviClip(written), error);
    ASSERT_TRUE(read) << error;
    EXPECT_EQ(read->width, 3);
    EXPECT_EQ(read->height, 4);
    EXPECT_EQ(read->frameIntervalMs, 40);
    ASSERT_EQ(read->frames.size(), 2u);
    for (std::size_t f = 0; f < 2; ++f)
        EXPECT_EQ(read->frames[f].rgb, written.frames[f].rgb);
}

TEST(AviClip, EveryTruncationIsRefused) {
    const std::vector<std::uint8_t> whole = writeAviClip(patternClip(3, 4, 2));
    for (std::size_t length = 0; length < whole.size(); ++length) {
        std::string error;
        EXPECT_FALSE(readAviClip(std::span(whole.data(), length), error)) << length;
        EXPECT_FALSE(error.empty()) << length;
    }
}

TEST(AviClip, TheRealClipCutShortIsRefused) {
    const std::vector<std::uint8_t> whole = splashBytes();
    for (std::size_t length :
         {std::size_t{11}, std::size_t{200}, whole.size() / 2, whole.size() - 1}) {
        std::string error;
        EXPECT_FALSE(readAviClip(std::span(whole.data(), length), error)) << length;
        EXPECT_FALSE(error.empty());
    }
}

TEST(AviClip, MalformedHeadersAreRefused) {
    const std::vector<std::uint8_t> good = writeAviClip(patternClip(3, 4, 2));
    const std::size_t strf = find(good, "strf") + 8;
    const std::size_t avih = find(good, "avih") + 8;
    const std::size_t movi = find(good, "movi");
    const std::size_t frame = find(good, "00dc");

    struct Damage {
        const char* what;
        std::size_t at;
        std::uint32_t value;
    };
    const Damage damages[] = {
        {"not RIFF", 0, 0x46464952 + 1},
        {"RIFF size beyond the file", 4, 0xFFFFFFF0},
        {"8-bit frames", strf + 14, 8},
        {"frames in another encoding", strf + 16, 0},
        {"zero width", strf + 4, 0},
        {"huge width", strf + 4, 1u << 30},
        {"zero height", strf + 8, 0},
        {"no frame time", avih, 0},
        {"a list longer than the file", movi - 4, 0x7FFFFFFF},
        {"a frame chunk longer than its list", frame + 4, 0x1000},
        {"a frame cut short", frame + 4, 8},
    };
    for (const Damage& damage : damages) {
        std::vector<std::uint8_t> bad = good;
        putU32(bad, damage.at, damage.value);
        std::string error;
        EXPECT_FALSE(readAviClip(bad, error)) << damage.what;
        EXPECT_FALSE(error.empty()) << damage.what;
    }
}

TEST(AviClip, ClipsWithoutVideoOrFramesAreRefused) {
    std::vector<std::uint8_t> noVideo = writeAviClip(patternClip(2, 2, 1));
    std::memcpy(noVideo.data() + find(noVideo, "vids"), "auds", 4);
    std::vector<std::uint8_t> otherStream = writeAviClip(patternClip(2, 2, 1));
    std::memcpy(otherStream.data() + find(otherStream, "00dc"), "01dc", 4);
    for (const auto& bad : {noVideo, otherStream}) {
        std::string error;
        EXPECT_FALSE(readAviClip(bad, error));
        EXPECT_FALSE(error.empty());
    }
}

// Decoded onto the frame before, a frame reports the area it changed and whether a pixel became
// see-through white or stopped being it; white is a transparent pixel when it is see-through.
TEST(AviClip, AFrameChangesOnlyWhatMoved) {
    AviClip written = patternClip(6, 5, 1);
    written.frames.push_back(written.frames[0]);
    written.frames[1].rgb[3 * (2 * 6 + 1) + 1] ^= 0x40;                    // (1, 2) changes colour
    std::fill_n(written.frames[1].rgb.begin() + 3 * (3 * 6 + 4), 3, 255);  // (4, 3) turns white
    written.frames.push_back(written.frames[1]);
    written.frames[2].rgb[0] ^= 1;  // (0, 0) changes colour only
    const std::vector<std::uint8_t> bytes = writeAviClip(written);
    std::string error;
    const auto clip = indexAviClip(bytes, error);
    ASSERT_TRUE(clip) << error;

    std::vector<std::uint32_t> pixels(6 * 5, 0x12345678);
    const PixelView picture{pixels.data(), 6, 5, 6};
    FrameChange change;
    ASSERT_TRUE(decodeAviFrame(*clip, 0, picture, White::SeeThrough, change, error)) << error;
    EXPECT_EQ(pixels[6 + 2], 0xFF000000 | 20 << 16 | 10 << 8);
    EXPECT_EQ(std::make_tuple(change.left, change.top, change.right, change.bottom),
              std::make_tuple(0, 0, 5, 4));

    ASSERT_TRUE(decodeAviFrame(*clip, 1, picture, White::SeeThrough, change, error)) << error;
    EXPECT_EQ(std::make_tuple(change.left, change.top, change.right, change.bottom),
              std::make_tuple(1, 2, 4, 3));
    EXPECT_TRUE(change.outlineChanged);
    EXPECT_EQ(pixels[3 * 6 + 4], 0u);

    ASSERT_TRUE(decodeAviFrame(*clip, 2, picture, White::SeeThrough, change, error)) << error;
    EXPECT_EQ(std::make_tuple(change.left, change.top, change.right, change.bottom),
              std::make_tuple(0, 0, 0, 0));
    EXPECT_FALSE(change.outlineChanged);
    EXPECT_EQ(pixels[3 * 6 + 4], 0u);

    // A frame whose deflated data is damaged is refused.
    std::vector<std::uint8_t> damaged = bytes;
    const auto broken = indexAviClip(damaged, error);
    ASSERT_TRUE(broken) << error;
    const std::span<const std::uint8_t> stored = broken->frames[2];
    damaged[static_cast<std::size_t>(stored.data() - damaged.data()) + stored.size() / 2] ^= 0xFF;
    EXPECT_FALSE(decodeAviFrame(*broken, 2, picture, White::Opaque, change, error));
    EXPECT_FALSE(error.empty());
}

// Every single-byte corruption of the headers is read or refused, never read past the end.
TEST(AviClip, CorruptedHeaderBytesNeverCrash) {
    const std::vector<std::uint8_t> good = writeAviClip(patternClip(3, 2, 2));
    const std::size_t headers = find(good, "movi") + 16;
    for (std::size_t at = 0; at < headers; ++at) {
        for (std::uint8_t value : {std::uint8_t{0}, std::uint8_t{0x7F}, std::uint8_t{0xFF}}) {
            std::vector<std::uint8_t> bad = good;
            bad[at] = value;
            std::string error;
            const auto clip = readAviClip(bad, error);
            EXPECT_EQ(clip.has_value(), error.empty()) << at;
        }
    }
}

}  // namespace
}  // namespace zavkari

// The bitmap reader: the usual layouts decode to the right colours, and every damaged, foreign or
// oversized file is refused with a reason.
#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "bmp_image.h"

namespace zavkari {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put16(Bytes& b, std::size_t at, std::uint32_t v) {
    b[at] = static_cast<std::uint8_t>(v);
    b[at + 1] = static_cast<std::uint8_t>(v >> 8);
}

void Put32(Bytes& b, std::size_t at, std::uint32_t v) {
    Put16(b, at, v & 0xFFFF);
    Put16(b, at + 2, v >> 16);
}

// A bitmap with the long header: `rows` as stored (each padded here to four bytes), then the
// palette and colour masks, if any, between header and pixels.
Bytes MakeBmp(int width, int height, int bits, const std::vector<Bytes>& rows,
              const Bytes& palette = {}, const Bytes& masks = {}) {
    const std::size_t stride = (static_cast<std::size_t>(width) * bits + 31) / 32 * 4;
    const std::size_t pixels = 14 + 40 + masks.size() + palette.size();
    Bytes b(pixels);
    b[0] = 'B';
    b[1] = 'M';
    Put32(b, 10, static_cast<std::uint32_t>(pixels));
    Put32(b, 14, 40);
    Put32(b, 18, static_cast<std::uint32_t>(width));
    Put32(b, 22, static_cast<std::uint32_t>(height));
    Put16(b, 26, 1);
    Put16(b, 28, static_cast<std::uint32_t>(bits));
    Put32(b, 30, masks.empty() ? 0 : 3);
    Put32(b, 46, static_cast<std::uint32_t>(palette.size() / 4));
    std::copy(masks.begin(), masks.end(), b.begin() + 54);
    std::copy(palette.begin(), palette.end(), b.begin() + 54 + static_cast<long>(masks.size()));
    for (Bytes row : rows) {
        row.resize(stride);
        b.insert(b.end(), row.begin(), row.end());
    }
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

// Three colours: black, white, red (stored blue, green, red, unused).
const Bytes kPalette = {0, 0, 0, 0, 255, 255, 255, 0, 0, 0, 255, 0};

// 3 x 2, 24 bits, bottom-up: the stored first row is the picture's bottom row.
Bytes SmallBmp() {
    return MakeBmp(3, 2, 24, {{0, 0, 255, 0, 255, 0, 255, 0, 0}, {1, 2, 3, 4, 5, 6, 7, 8, 9}});
}

std::optional<RgbImage> Decode(const Bytes& b, std::string& error) {
    return decodeBmp(std::span(b.data(), b.size()), error);
}

std::string Refusal(const Bytes& b) {
    std::string error;
    const auto image = Decode(b, error);
    EXPECT_FALSE(image.has_value());
    EXPECT_FALSE(error.empty());
    return error;
}

TEST(BmpImageTest, DecodesTheUsualLayoutsToTopDownRgb) {
    std::string error;
    const auto rgb24 = Decode(SmallBmp(), error);
    ASSERT_TRUE(rgb24) << error;
    EXPECT_EQ(rgb24->width, 3);
    EXPECT_EQ(rgb24->height, 2);
    EXPECT_EQ(rgb24->rgb, (Bytes{3, 2, 1, 6, 5, 4, 9, 8, 7, 255, 0, 0, 0, 255, 0, 0, 0, 255}));

    // 32 bits, top-down (negative height): rows as stored.
    const auto rgb32 = Decode(MakeBmp(1, -2, 32, {{10, 20, 30, 99}, {40, 50, 60, 99}}), error);
    ASSERT_TRUE(rgb32) << error;
    EXPECT_EQ(rgb32->rgb, (Bytes{30, 20, 10, 60, 50, 40}));

    const auto pal8 = Decode(MakeBmp(3, 1, 8, {{2, 1, 0}}, kPalette), error);
    ASSERT_TRUE(pal8) << error;
    EXPECT_EQ(pal8->rgb, (Bytes{255, 0, 0, 255, 255, 255, 0, 0, 0}));

    const auto pal4 = Decode(MakeBmp(3, 1, 4, {{0x21, 0x00}}, kPalette), error);
    ASSERT_TRUE(pal4) << error;
    EXPECT_EQ(pal4->rgb, (Bytes{255, 0, 0, 255, 255, 255, 0, 0, 0}));

    const Bytes twoColours(kPalette.begin(), kPalette.begin() + 8);
    const auto pal1 = Decode(MakeBmp(9, 1, 1, {{0x80, 0x80}}, twoColours), error);
    ASSERT_TRUE(pal1) << error;
    EXPECT_EQ(pal1->rgb[0], 255);
    EXPECT_EQ(pal1->rgb[3], 0);
    EXPECT_EQ(pal1->rgb[8 * 3], 255);

    // 16 bits with 5-6-5 masks: pure red and pure green.
    const Bytes masks = {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
    const auto bits16 = Decode(MakeBmp(2, 1, 16, {{0x00, 0xF8, 0xE0, 0x07}}, {}, masks), error);
    ASSERT_TRUE(bits16) << error;
    EXPECT_EQ(bits16->rgb, (Bytes{255, 0, 0, 0, 255, 0}));
}

TEST(BmpImageTest, RefusesEveryCutOfARealBitmap) {
    const Bytes whole = SmallBmp();
    for (std::size_t length = 0; length < whole.size(); ++length)
        Refusal(Bytes(whole.begin(), whole.begin() + static_cast<long>(length)));
}

TEST(BmpImageTest, RefusesForeignAndLyingFiles) {
    EXPECT_EQ(Refusal({}), "the file is empty");

    Bytes png = SmallBmp();
    png[0] = 0x89;
    png[1] = 'P';
    EXPECT_EQ(Refusal(png), "the file is not a bitmap");

    std::mt19937 random(11);
    for (int i = 0; i < 200; ++i) {
        Bytes garbage(random() % 300);
        for (auto& byte : garbage)
            byte = static_cast<std::uint8_t>(random());
        if (i % 2 == 0 && garbage.size() >= 2) garbage[0] = 'B', garbage[1] = 'M';
        std::string error;
        const auto image = Decode(garbage, error);
        EXPECT_TRUE(image || !error.empty());
    }

    Bytes offsetPastEnd = SmallBmp();
    Put32(offsetPastEnd, 10, 0xFFFFFFF0u);
    Refusal(offsetPastEnd);

    Bytes offsetIntoHeader = SmallBmp();
    Put32(offsetIntoHeader, 10, 20);
    Refusal(offsetIntoHeader);

    Bytes tallerThanItsPixels = SmallBmp();
    Put32(tallerThanItsPixels, 22, 3);
    Refusal(tallerThanItsPixels);

    Bytes oddBits = SmallBmp();
    Put16(oddBits, 28, 7);
    Refusal(oddBits);

    Bytes runLength24 = SmallBmp();
    Put32(runLength24, 30, 1);
    EXPECT_EQ(Refusal(runLength24), "the bitmap's compression is not supported");

    Bytes tooManyColours = MakeBmp(3, 1, 8, {{0, 1, 2}}, kPalette);
    Put32(tooManyColours, 46, 257);
    Refusal(tooManyColours);

    // A header a little longer than the short one, ending before the colour masks it needs; the
    // file stops right after the pixels (found by fuzzing).
    Bytes masksPastHeader = MakeBmp(2, 1, 16, {{0, 0, 0, 0}}, {}, Bytes(12, 0xFF));
    Put32(masksPastHeader, 14, 46);
    Put32(masksPastHeader, 10, 60);
    masksPastHeader.resize(62);
    Refusal(masksPastHeader);

    // The third pixel asks for colour 3 of three.
    EXPECT_EQ(Refusal(MakeBmp(3, 1, 8, {{0, 1, 3}}, kPalette)),
              "a pixel names a colour the palette does not have");
}

// A run-length bitmap of 8 or 4 bits: the header, the palette, then the runs as given.
Bytes MakeRunLength(int width, int height, int bits, const Bytes& runs) {
    Bytes b = MakeBmp(width, height, bits, {}, kPalette);
    Put32(b, 30, bits == 8 ? 1 : 2);
    b.insert(b.end(), runs.begin(), runs.end());
    Put32(b, 2, static_cast<std::uint32_t>(b.size()));
    return b;
}

// Three pixels a row, top row first, as colours of `kPalette`: 0 black, 1 white, 2 red.
Bytes Pixels(std::initializer_list<int> colours) {
    Bytes rgb;
    for (int c : colours)
        rgb.insert(rgb.end(), {kPalette[4 * c + 2], kPalette[4 * c + 1], kPalette[4 * c]});
    return rgb;
}

// Runs of one colour (two alternating in 4 bits), pixels as stored, the end of a row, a jump and
// the end mark; pixels no run reaches keep colour 0 of the palette.
TEST(BmpImageTest, DecodesRunLengthBitmaps) {
    std::string error;
    // Bottom row: two white, the end of the row; top row: red, white, black as stored, the end.
    const Bytes rle8 = MakeRunLength(3, 2, 8, {2, 1, 0, 0, 0, 3, 2, 1, 0, 0, 0, 1});
    const auto eight = Decode(rle8, error);
    ASSERT_TRUE(eight) << error;
    EXPECT_EQ(eight->rgb, Pixels({2, 1, 0, 1, 1, 0}));

    // Bottom row: white, red, black as stored (two bytes); top row: red, white, red in one run.
    const auto four =
        Decode(MakeRunLength(3, 2, 4, {0, 3, 0x12, 0x00, 0, 0, 3, 0x21, 0, 1}), error);
    ASSERT_TRUE(four) << error;
    EXPECT_EQ(four->rgb, Pixels({2, 1, 2, 1, 2, 0}));

    // A jump one right and one up, one red pixel, the end of the top row and no end mark.
    const auto jump = Decode(MakeRunLength(3, 2, 8, {0, 2, 1, 1, 1, 2, 0, 0}), error);
    ASSERT_TRUE(jump) << error;
    EXPECT_EQ(jump->rgb, Pixels({0, 2, 0, 0, 0, 0}));

    // Every cut of the runs leaves a row unfinished.
    const std::size_t header = 14 + 40 + kPalette.size();
    for (std::size_t length = header; length < rle8.size() - 2; ++length)
        Refusal(Bytes(rle8.begin(), rle8.begin() + static_cast<long>(length)));

    const std::pair<Bytes, std::string> corrupt[] = {
        {{4, 1, 0, 1}, "a run of the bitmap goes past the edge of the picture"},
        {{0, 4, 1, 1, 1, 1, 0, 1}, "a run of the bitmap goes past the edge of the picture"},
        {{0, 2, 0, 2, 1, 1, 0, 1}, "a run of the bitmap goes past the edge of the picture"},
        {{0, 0, 0, 0, 1, 1}, "a run of the bitmap goes past the edge of the picture"},
        {{1, 3, 0, 1}, "a pixel names a colour the palette does not have"},
        {{0, 3, 1, 1}, "the bitmap's pixels are cut short"},
        {{0, 2, 1}, "the bitmap's pixels are cut short"}};
    for (const auto& [runs, why] : corrupt)
        EXPECT_EQ(Refusal(MakeRunLength(3, 2, 8, runs)), why);
    Bytes topDown = rle8;
    Put32(topDown, 22, static_cast<std::uint32_t>(-2));
    EXPECT_EQ(Refusal(topDown), "a run-length bitmap must be stored bottom-up");
}

TEST(BmpImageTest, RefusesSizesThatWouldNeedAnEnormousPicture) {
    // Each header claims a picture far beyond its few bytes, or beyond what may be allocated.
    const std::vector<std::pair<std::int64_t, std::int64_t>> sizes = {{kBmpMaxSide + 1, 1},
                                                                      {1, kBmpMaxSide + 1},
                                                                      {1, -kBmpMaxSide - 1},
                                                                      {kBmpMaxSide, kBmpMaxSide},
                                                                      {0, 1},
                                                                      {1, 0},
                                                                      {-1, 1},
                                                                      {1, INT32_MIN},
                                                                      {INT32_MIN, 1},
                                                                      {0x7FFFFFFF, 0x7FFFFFFF}};
    for (const auto& [width, height] : sizes) {
        Bytes b = SmallBmp();
        Put32(b, 18, static_cast<std::uint32_t>(width));
        Put32(b, 22, static_cast<std::uint32_t>(height));
        Refusal(b);
    }
    Bytes tooLarge = SmallBmp();
    Put32(tooLarge, 18, kBmpMaxSide);
    Put32(tooLarge, 22, kBmpMaxSide);
    EXPECT_EQ(Refusal(tooLarge), "the bitmap is too large to show");
}

}  // namespace
}  // namespace zavkari

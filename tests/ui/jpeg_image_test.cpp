#include <gtest/gtest.h>

#include <vector>

#include "byte_span.h"
#include "jpeg_image.h"
#include "pictures.h"

namespace zavkari {
namespace {

QByteArray tableTopJpeg() {
    return pictures::data("MAGIDA");
}

TEST(JpegImage, TheTableTopDecodesToGreenFeltInAWoodenRail) {
    const QByteArray jpeg = tableTopJpeg();
    ASSERT_TRUE(jpeg.startsWith("\xFF\xD8"));
    std::string error;
    const auto decoded = decodeJpeg(bytesOf(jpeg), error);
    ASSERT_TRUE(decoded) << error;
    EXPECT_EQ(decoded->width, 609);
    EXPECT_EQ(decoded->height, 521);
    ASSERT_EQ(decoded->rgb.size(), 609u * 521 * 3);
    const QImage top = pictures::toImage(*decoded);
    const QColor felt = top.pixelColor(304, 260);
    EXPECT_GT(felt.green(), felt.red() + 30);
    const QColor rail = top.pixelColor(10, 260);
    EXPECT_GT(rail.red(), rail.blue() + 20);
}

TEST(JpegImage, TheTableTopPictureIsTheDecodedJpeg) {
    EXPECT_EQ(pictures::image("magida").size(), QSize(609, 521));
}

TEST(JpegImage, ATruncatedStreamIsAnErrorNotAGreyPicture) {
    const QByteArray jpeg = tableTopJpeg();
    for (qsizetype length : {qsizetype{2}, qsizetype{100}, jpeg.size() / 2, jpeg.size() - 2}) {
        std::string error;
        EXPECT_FALSE(decodeJpeg(bytesOf(jpeg.left(length)), error)) << length;
        EXPECT_FALSE(error.empty()) << length;
    }
}

TEST(JpegImage, GarbageAndEmptyStreamsAreErrors) {
    std::vector<std::uint8_t> garbage(5000);
    for (std::size_t i = 0; i < garbage.size(); ++i)
        garbage[i] = static_cast<std::uint8_t>(i * 7919 % 251);
    std::string error;
    EXPECT_FALSE(decodeJpeg(garbage, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(decodeJpeg({}, error));
    EXPECT_FALSE(error.empty());
}

TEST(JpegImage, CorruptScanDataIsAnError) {
    QByteArray jpeg = tableTopJpeg();
    // Overwrite the middle of the entropy-coded data with markers that do not belong there.
    for (qsizetype i = jpeg.size() / 2; i < jpeg.size() / 2 + 64; i += 2) {
        jpeg[i] = static_cast<char>(0xFF);
        jpeg[i + 1] = static_cast<char>(0xD0 + (i / 2) % 8);
    }
    std::string error;
    EXPECT_FALSE(decodeJpeg(bytesOf(jpeg), error));
    EXPECT_FALSE(error.empty());
}

}  // namespace
}  // namespace zavkari

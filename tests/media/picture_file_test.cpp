// The player's picture file, read whole but never beyond the largest picture (devices, pipes,
// sockets and folders are refused through the options dialog's tests), and a huge picture brought
// down by averaging boxes of pixels.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "picture_file.h"
#include "rgb_shrink.h"

namespace zavkari {
namespace {

namespace fs = std::filesystem;

TEST(PictureFileTest, ReadsAFileWholeButNeverOneLargerThanAllowed) {
    const fs::path dir = fs::temp_directory_path() / ("picture_file." + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "small.bmp") << "BM1234";
    fs::create_symlink(dir / "small.bmp", dir / "link.bmp");
    std::ofstream(dir / "huge.bmp").close();
    fs::resize_file(dir / "huge.bmp", 1001);  // a file with a hole: no disk space taken

    std::string error;
    const auto bytes = readPictureFile(dir / "link.bmp", 1000, error);
    ASSERT_TRUE(bytes) << error;
    EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "BM1234");
    EXPECT_FALSE(readPictureFile(dir / "huge.bmp", 1000, error));
    EXPECT_EQ(error, "the file is too large for a picture");
    EXPECT_FALSE(readPictureFile(dir / "missing.bmp", 1000, error));
    EXPECT_EQ(error, "No such file or directory");
    fs::remove_all(dir);
}

TEST(PictureFileTest, ShrinkingAveragesBoxesAndKeepsTheEdges) {
    // 5 x 3 grey levels 0, 10 .. 140 shrunk by 2 x 2: the right column and the bottom row are
    // boxes of their own.
    RgbImage picture{5, 3, {}};
    for (int i = 0; i < 15; ++i)
        picture.rgb.insert(picture.rgb.end(), 3, static_cast<std::uint8_t>(i * 10));
    const RgbImage small = shrinkRgb(picture, 2, 2);
    ASSERT_EQ(small.width, 3);
    ASSERT_EQ(small.height, 2);
    std::vector<int> grey;
    for (std::size_t i = 0; i < small.rgb.size(); i += 3)
        grey.push_back(small.rgb[i]);
    EXPECT_EQ(grey, (std::vector<int>{30, 50, 65, 105, 125, 140}));
}

}  // namespace
}  // namespace zavkari

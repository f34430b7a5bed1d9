// The player's picture file: only a regular file is read, never more than the largest picture, and
// a huge picture is brought down by averaging boxes of pixels.
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>

#include "picture_file.h"
#include "rgb_shrink.h"

namespace zavkari {
namespace {

namespace fs = std::filesystem;

TEST(PictureFileTest, ReadsRegularFilesAndRefusesEverythingElseAtOnce) {
    const fs::path dir =
        fs::temp_directory_path() / ("picture_file_test." + std::to_string(getpid()));
    fs::create_directories(dir);
    std::ofstream(dir / "small.bmp") << "BM1234";
    fs::create_symlink(dir / "small.bmp", dir / "link.bmp");
    fs::create_symlink("/dev/zero", dir / "zero.bmp");
    ASSERT_EQ(mkfifo((dir / "pipe.bmp").c_str(), 0600), 0);
    fs::create_directory(dir / "folder.bmp");
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, (dir / "socket.bmp").c_str(), sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    // Larger than allowed without taking the disk space: a file with a hole.
    std::ofstream(dir / "huge.bmp").close();
    fs::resize_file(dir / "huge.bmp", 1001);

    std::string error;
    for (const char* name : {"small.bmp", "link.bmp"}) {
        const auto bytes = readPictureFile(dir / name, 1000, error);
        ASSERT_TRUE(bytes) << error;
        EXPECT_EQ(std::string(bytes->begin(), bytes->end()), "BM1234");
    }
    const std::pair<const char*, const char*> refused[] = {{"zero.bmp", "not a regular file"},
                                                           {"pipe.bmp", "not a regular file"},
                                                           {"socket.bmp", "not a regular file"},
                                                           {"folder.bmp", "a folder"},
                                                           {"huge.bmp", "too large"},
                                                           {"missing.bmp", "No such file"}};
    for (const auto& [name, why] : refused) {
        EXPECT_FALSE(readPictureFile(dir / name, 1000, error)) << name;
        EXPECT_NE(error.find(why), std::string::npos) << name << ": " << error;
    }
    close(listener);
    fs::remove_all(dir);
}

TEST(PictureFileTest, ShrinkingAveragesBoxesAndKeepsTheEdges) {
    // 5 x 3 grey levels 0..14, shrunk by 2 x 2: the right column and the bottom row are boxes of
    // their own, smaller ones.
    RgbImage picture{5, 3, {}};
    for (int i = 0; i < 15; ++i)
        picture.rgb.insert(picture.rgb.end(), 3, static_cast<std::uint8_t>(i * 10));
    const RgbImage small = shrinkRgb(picture, 2, 2);
    ASSERT_EQ(small.width, 3);
    ASSERT_EQ(small.height, 2);
    std::vector<int> grey;
    for (std::size_t i = 0; i < small.rgb.size(); i += 3)
        grey.push_back(small.rgb[i]);
    // (0+10+50+60)/4, (20+30+70+80)/4, (40+90)/2; then (100+110)/2, (120+130)/2, 140.
    EXPECT_EQ(grey, (std::vector<int>{30, 50, 65, 105, 125, 140}));
}

}  // namespace
}  // namespace zavkari

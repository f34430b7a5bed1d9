#include "picture_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

#include "large_buffer.h"

namespace zavkari {
namespace {

std::string systemError() {
    return std::generic_category().message(errno);
}

// The reason a file of this type is not read, or nothing for a regular file.
const char* RefusedType(mode_t mode) {
    if (S_ISREG(mode)) return nullptr;
    if (S_ISDIR(mode)) return "this is a folder, not a picture file";
    return "this is not a regular file but a device, a pipe or a socket";
}

class OpenFile {
  public:
    explicit OpenFile(const std::string& path)
        // Without blocking: opening a named pipe would otherwise wait for a writer.
        : fd_(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY)) {}
    ~OpenFile() {
        if (fd_ >= 0) ::close(fd_);
    }
    OpenFile(const OpenFile&) = delete;
    OpenFile& operator=(const OpenFile&) = delete;
    int fd() const { return fd_; }

  private:
    int fd_;
};

}  // namespace

std::optional<std::vector<std::uint8_t>> readPictureFile(const std::string& path,
                                                         std::uint64_t largest,
                                                         std::string& error) {
    // The type first, so that a socket, which cannot be opened, is named as what it is.
    struct stat status {};
    if (::stat(path.c_str(), &status) != 0) {
        error = systemError();
        return std::nullopt;
    }
    if (const char* refused = RefusedType(status.st_mode)) {
        error = refused;
        return std::nullopt;
    }
    const OpenFile file(path);
    // Checked again on what was opened: the name may have been given to something else meanwhile.
    if (file.fd() < 0 || ::fstat(file.fd(), &status) != 0) {
        error = systemError();
        return std::nullopt;
    }
    if (const char* refused = RefusedType(status.st_mode)) {
        error = refused;
        return std::nullopt;
    }
    const auto size = static_cast<std::uint64_t>(status.st_size);
    if (size > largest) {
        error = "the file is too large for a picture";
        return std::nullopt;
    }
    std::vector<std::uint8_t> bytes;
    resizeLargeBuffer(bytes, size);
    std::uint64_t done = 0;
    // A file that shrinks meanwhile yields what it still has; one that grows, its first bytes.
    while (done < size) {
        const ssize_t got = ::read(file.fd(), bytes.data() + done, size - done);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = systemError();
            return std::nullopt;
        }
        if (got == 0) break;
        done += static_cast<std::uint64_t>(got);
    }
    bytes.resize(done);
    return bytes;
}

}  // namespace zavkari

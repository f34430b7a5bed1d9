// Reads a file the player picked as a picture. Only a regular file is read, and only when it holds
// no more than the largest picture allowed: a device such as /dev/zero, a named pipe, a socket or a
// folder is refused at once, without waiting for data that may never come or never end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace zavkari {

std::optional<std::vector<std::uint8_t>> readPictureFile(const std::string& path,
                                                         std::uint64_t largest, std::string& error);

}  // namespace zavkari

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "rgb_image.h"

namespace zavkari {

// Decodes a JPEG stream with libjpeg. A corrupt, truncated or foreign stream yields nothing and
// says why in `error`; it never ends the program.
std::optional<RgbImage> decodeJpeg(std::span<const std::uint8_t> bytes, std::string& error);

}  // namespace zavkari

#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "rgb_image.h"

namespace zavkari {

// The largest picture a bitmap may describe: each side and the decoded size.
inline constexpr int kBmpMaxSide = 16384;
inline constexpr std::uint64_t kBmpMaxDecodedBytes = 256ull * 1024 * 1024;

// Decodes a Windows bitmap: 1, 4 or 8 bits with a palette (8 and 4 bits also run-length encoded),
// 16, 24 or 32 bits (with or without colour masks), rows stored bottom-up or top-down. Anything
// else, and any file whose header does not match its contents, yields nothing and says why in
// `error`; the picture is only allocated once the file has been found to hold all of it.
std::optional<RgbImage> decodeBmp(std::span<const std::uint8_t> bytes, std::string& error);

}  // namespace zavkari

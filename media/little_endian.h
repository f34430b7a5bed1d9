// Numbers stored little-endian in a buffer, as the clips and the bitmaps store them. The caller
// makes sure that the bytes are there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace zavkari {

constexpr std::uint16_t le16At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

constexpr std::uint32_t le32At(std::span<const std::uint8_t> bytes, std::size_t at) {
    return le16At(bytes, at) | static_cast<std::uint32_t>(le16At(bytes, at + 2)) << 16;
}

}  // namespace zavkari

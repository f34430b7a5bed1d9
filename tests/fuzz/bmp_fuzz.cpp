// libFuzzer target for the bitmap reader: any bytes must be decoded or refused, never crash.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "bmp_image.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string error;
    const auto image = zavkari::decodeBmp(std::span(data, size), error);
    if (image && image->rgb.size() != static_cast<std::size_t>(image->width) * image->height * 3)
        __builtin_trap();
    if (!image && error.empty()) __builtin_trap();
    return 0;
}

#include "jpeg_image.h"

#include <csetjmp>
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <cstdlib>

#include <jpeglib.h>

namespace zavkari {
namespace {

// Larger pictures than this are taken for a corrupt header rather than allocated.
constexpr JDIMENSION maxSide = 8192;

// libjpeg's own error handler ends the program. Ours jumps back to the decode with the message;
// its warnings (premature end of data, corrupt data) are errors too, so that a damaged picture is
// refused rather than shown half grey.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void jumpOnError(j_common_ptr info) {
    auto* errors = reinterpret_cast<ErrorManager*>(info->err);
    (*info->err->format_message)(info, errors->message);
    std::longjmp(errors->jump, 1);
}

void jumpOnWarning(j_common_ptr info, int level) {
    if (level < 0) jumpOnError(info);
}

// Everything the jump may cross lives here, in plain C data: no object with a destructor is
// alive between setjmp and a longjmp.
struct Decode {
    jpeg_decompress_struct info;
    ErrorManager errors;
    unsigned char* pixels;
    JDIMENSION width;
    JDIMENSION height;
};

bool decodeInto(Decode* decode, const unsigned char* bytes, unsigned long size) {
    decode->pixels = nullptr;
    decode->info.err = jpeg_std_error(&decode->errors.base);
    decode->errors.base.error_exit = jumpOnError;
    decode->errors.base.emit_message = jumpOnWarning;
    if (setjmp(decode->errors.jump)) {
        jpeg_destroy_decompress(&decode->info);
        std::free(decode->pixels);
        decode->pixels = nullptr;
        return false;
    }
    jpeg_create_decompress(&decode->info);
    jpeg_mem_src(&decode->info, bytes, size);
    jpeg_read_header(&decode->info, TRUE);
    decode->info.out_color_space = JCS_RGB;
    jpeg_start_decompress(&decode->info);
    decode->width = decode->info.output_width;
    decode->height = decode->info.output_height;
    if (decode->width > maxSide || decode->height > maxSide) {
        std::snprintf(decode->errors.message, JMSG_LENGTH_MAX, "picture too large");
        jpeg_destroy_decompress(&decode->info);
        return false;
    }
    const std::size_t stride = static_cast<std::size_t>(decode->width) * 3;
    decode->pixels = static_cast<unsigned char*>(std::malloc(stride * decode->height));
    if (decode->pixels == nullptr) {
        std::snprintf(decode->errors.message, JMSG_LENGTH_MAX, "out of memory");
        jpeg_destroy_decompress(&decode->info);
        return false;
    }
    while (decode->info.output_scanline < decode->height) {
        JSAMPROW row = decode->pixels + decode->info.output_scanline * stride;
        jpeg_read_scanlines(&decode->info, &row, 1);
    }
    jpeg_finish_decompress(&decode->info);
    jpeg_destroy_decompress(&decode->info);
    return true;
}

}  // namespace

std::optional<RgbImage> decodeJpeg(std::span<const std::uint8_t> bytes, std::string& error) {
    error.clear();
    Decode decode{};
    if (!decodeInto(&decode, bytes.data(), static_cast<unsigned long>(bytes.size()))) {
        error = decode.errors.message;
        return std::nullopt;
    }
    RgbImage image{static_cast<int>(decode.width), static_cast<int>(decode.height), {}};
    image.rgb.assign(decode.pixels,
                     decode.pixels + static_cast<std::size_t>(decode.width) * 3 * decode.height);
    std::free(decode.pixels);
    return image;
}

}  // namespace zavkari

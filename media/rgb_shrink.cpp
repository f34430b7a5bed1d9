#include "rgb_shrink.h"

#include <algorithm>
#include <cstddef>

namespace zavkari {

RgbImage shrinkRgb(const RgbImage& picture, int factorX, int factorY) {
    const std::size_t inWidth = static_cast<std::size_t>(picture.width);
    const std::size_t fx = static_cast<std::size_t>(std::max(1, factorX));
    const std::size_t fy = static_cast<std::size_t>(std::max(1, factorY));
    RgbImage out;
    out.width = static_cast<int>((inWidth + fx - 1) / fx);
    out.height = static_cast<int>((static_cast<std::size_t>(picture.height) + fy - 1) / fy);
    const std::size_t outWidth = static_cast<std::size_t>(out.width);
    out.rgb.resize(outWidth * static_cast<std::size_t>(out.height) * 3);
    std::vector<std::uint64_t> sums(outWidth * 3);
    for (std::size_t oy = 0; oy < static_cast<std::size_t>(out.height); ++oy) {
        std::fill(sums.begin(), sums.end(), 0);
        const std::size_t top = oy * fy;
        const std::size_t rows = std::min(fy, static_cast<std::size_t>(picture.height) - top);
        for (std::size_t y = top; y < top + rows; ++y) {
            const std::uint8_t* in = picture.rgb.data() + y * inWidth * 3;
            for (std::size_t ox = 0, x = 0; ox < outWidth; ++ox) {
                std::uint64_t* sum = &sums[ox * 3];
                for (const std::size_t end = std::min(x + fx, inWidth); x < end; ++x, in += 3) {
                    sum[0] += in[0];
                    sum[1] += in[1];
                    sum[2] += in[2];
                }
            }
        }
        std::uint8_t* row = out.rgb.data() + oy * outWidth * 3;
        for (std::size_t ox = 0; ox < outWidth; ++ox) {
            const std::uint64_t count = rows * (std::min(ox * fx + fx, inWidth) - ox * fx);
            for (std::size_t c = 0; c < 3; ++c)
                row[ox * 3 + c] = static_cast<std::uint8_t>((sums[ox * 3 + c] + count / 2) / count);
        }
    }
    return out;
}

}  // namespace zavkari

#include <cstring>

#include "painters.h"

namespace zavkari {

RgbImage toRgbFrame(const QImage& picture) {
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB888);
    RgbImage frame{rgb.width(), rgb.height(), {}};
    const auto rowBytes = static_cast<std::size_t>(rgb.width()) * 3;
    frame.rgb.resize(rowBytes * rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::memcpy(frame.rgb.data() + y * rowBytes, rgb.constScanLine(y), rowBytes);
    return frame;
}

}  // namespace zavkari

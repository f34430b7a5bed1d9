#include "own_picture.h"

#include <QFile>
#include <algorithm>
#include <optional>
#include <span>
#include <string>

#include "bmp_image.h"
#include "picture_file.h"
#include "pictures.h"
#include "rgb_shrink.h"

namespace zavkari {
namespace {

// A bitmap of the largest picture the reader accepts, at four bytes a pixel, with its header.
constexpr std::uint64_t kLargestFile = kBmpMaxDecodedBytes / 3 * 4 + 65536;

}  // namespace

OwnPicture loadOwnPicture(const QString& path, QSize largest) {
    std::string error;
    std::optional<RgbImage> decoded;
    {
        const auto bytes =
            readPictureFile(QFile::encodeName(path).toStdString(), kLargestFile, error);
        if (bytes) decoded = decodeBmp(std::span(bytes->data(), bytes->size()), error);
    }  // the file's bytes are let go before the picture is scaled
    if (!decoded) return {{}, QString::fromStdString(error)};

    const QSize shown(std::clamp(largest.width(), 1, decoded->width),
                      std::clamp(largest.height(), 1, decoded->height));
    // Whole factors first, on the three-byte pixels; Qt's smooth scaling then does the rest from
    // less than twice the size shown.
    const int factorX = decoded->width / shown.width();
    const int factorY = decoded->height / shown.height();
    if (factorX > 1 || factorY > 1) decoded = shrinkRgb(*decoded, factorX, factorY);
    QImage image = pictures::toImage(*decoded);
    decoded.reset();
    if (image.size() != shown)
        image = image.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return {image, {}};
}

}  // namespace zavkari

#include "pictures.h"

#include <QFile>
#include <QImageReader>
#include <QResource>
#include <QtMath>
#include <span>
#include <string>

#include "byte_span.h"
#include "jpeg_image.h"

// The pictures are compiled into a static library; registering them here also pulls them into
// every program that looks a picture up. Q_INIT_RESOURCE declares a function of the global
// namespace, so this stays outside ours.
static void registerPictures() {
    static const bool registered = [] {
        Q_INIT_RESOURCE(pictures);
        return true;
    }();
    Q_UNUSED(registered);
}

namespace zavkari::pictures {

namespace {

const QString tableTop = QStringLiteral("MAGIDA");
constexpr int iconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QImage decodedTableTop() {
    const QByteArray jpeg = data(tableTop);
    std::string error;
    const auto decoded = decodeJpeg(bytesOf(jpeg), error);
    if (!decoded) {
        qWarning("The table top picture is damaged: %s", error.c_str());
        return {};
    }
    return toImage(*decoded);
}

}  // namespace

QString resourcePath(const QString& name) {
    registerPictures();
    return QStringLiteral(":/pictures/") + name.toUpper();
}

QByteArray data(const QString& name) {
    const QResource resource(resourcePath(name));
    if (!resource.isValid()) return {};
    // Stored uncompressed, the bytes are read where the program holds them, never copied.
    if (resource.compressionAlgorithm() == QResource::NoCompression)
        return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                       static_cast<qsizetype>(resource.size()));
    return resource.uncompressedData();
}

QImage image(const QString& name) {
    if (name.compare(tableTop, Qt::CaseInsensitive) == 0) return decodedTableTop();
    return QImage(resourcePath(name));
}

QPixmap pixmap(const QString& name) {
    return QPixmap::fromImage(image(name));
}

QPixmap pixmapFor(const QString& name, QSize size, qreal ratio) {
    if (ratio == 1 || ratio == 2) {
        const QString drawnForTheBox = name + QStringLiteral("-%1x%2%3")
                                                  .arg(size.width())
                                                  .arg(size.height())
                                                  .arg(ratio == 2 ? "@2x" : "");
        if (QFile::exists(resourcePath(drawnForTheBox))) return pixmap(drawnForTheBox);
    }
    const QSize pixels(qCeil(size.width() * ratio), qCeil(size.height() * ratio));
    // The size is read from the picture's header alone.
    const QSize own = QImageReader(resourcePath(name)).size();
    const QString fine = name + QStringLiteral("@2x");
    if (own.isValid() && (own.width() < pixels.width() || own.height() < pixels.height()) &&
        QFile::exists(resourcePath(fine)))
        return pixmap(fine);
    return pixmap(name);
}

QIcon programIcon() {
    QIcon icon;
    for (int size : iconSizes)
        icon.addFile(resourcePath(QStringLiteral("ICON%1").arg(size)));
    return icon;
}

QImage toImage(const RgbImage& picture) {
    const QImage view(picture.rgb.data(), picture.width, picture.height, picture.width * 3,
                      QImage::Format_RGB888);
    return view.copy();
}

}  // namespace zavkari::pictures

#include "pictures.h"

#include <QFile>
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
    QFile file(resourcePath(name));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

QImage image(const QString& name) {
    if (name.compare(tableTop, Qt::CaseInsensitive) == 0) return decodedTableTop();
    return QImage(resourcePath(name));
}

QPixmap pixmap(const QString& name) {
    return QPixmap::fromImage(image(name));
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

// Draws the named pictures into a folder: picture_maker <folder> <NAME.ext>...
// The extension says how each is stored: .png, .jpg (the JPEG table top) or .avi (the clips).
// A name ending in "@2x" (A6@2x.png) is the card, back or score sheet drawn at twice its size; the
// score sheet also comes drawn for the box the table shows it in (CXRILI-275x553.png).

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <cstdio>
#include <optional>
#include <variant>

#include "painters.h"
#include "score_sheet_ruling.h"

namespace zavkari {
namespace {

struct Clip {
    AviClip frames;
    FramePacking packing;
};
using Picture = std::variant<QImage, Clip>;

std::optional<Rank> rankNamed(const QString& code) {
    const QStringList codes{"6", "7", "8", "9", "10", "V", "D", "K", "T"};
    const qsizetype index = codes.indexOf(code);
    if (index < 0) return std::nullopt;
    return static_cast<Rank>(index);
}

std::optional<Suit> suitNamed(QChar letter) {
    const QString letters = QStringLiteral("AGJY");
    const qsizetype index = letters.indexOf(letter);
    if (index < 0) return std::nullopt;
    return static_cast<Suit>(index);
}

// The pictures that come at a finer scale too.
std::optional<QImage> paintScalable(const QString& name, int scale) {
    if (name == "J1" || name == "J2") return paintWildCard(name == "J2", scale);
    if (name == "BACK") return paintCardBack(1, scale);
    static const QRegularExpression back("^BB([2-5])$");
    if (const auto match = back.match(name); match.hasMatch())
        return paintCardBack(match.captured(1).toInt(), scale);
    if (name == "CXRILI")
        return paintScoreSheet({sheet::kPictureWidth, sheet::kPictureHeight}, scale);
    const auto suit = suitNamed(name.front());
    const auto rank = rankNamed(name.mid(1));
    if (suit && rank) return paintCardFace(*suit, *rank, scale);
    return std::nullopt;
}

std::optional<Picture> paint(const QString& name) {
    // The score sheet drawn for the box the table shows it in: "CXRILI-275x553", and at twice the
    // pixels "CXRILI-275x553@2x".
    static const QRegularExpression shown("^CXRILI-([0-9]+)x([0-9]+)(@2x)?$");
    if (const auto match = shown.match(name); match.hasMatch())
        return paintScoreSheet({match.captured(1).toInt(), match.captured(2).toInt()},
                               match.captured(3).isEmpty() ? 1 : 2);
    static const QRegularExpression doubled("^(.+)@2x$");
    if (const auto match = doubled.match(name); match.hasMatch())
        return paintScalable(match.captured(1), 2);
    if (auto picture = paintScalable(name, 1)) return *picture;
    if (name == "M2") return paintTablePicture();
    if (name == "MAGIDA") return paintTableTop();
    if (name == "FONI") return paintBaize({1280, 1024}, QColor(10, 118, 56), 3);
    if (name == "ABOUT") return paintAboutEmblem();
    if (name == "MOUSE1" || name == "MOUSE2") return paintMouse(name == "MOUSE2");
    if (name.startsWith("ICON")) return paintProgramIcon(name.mid(4).toInt());
    if (name == "DATKEBA") return Clip{makeSplashClip(), FramePacking::Deflated};
    // The bid panel's clip loops as long as the player is asked: its frames cost nothing to
    // inflate.
    if (name == "REKLAMA") return Clip{makeReklamaClip(), FramePacking::Plain};
    return std::nullopt;
}

bool save(const Picture& picture, const QString& path) {
    if (const auto* clip = std::get_if<Clip>(&picture)) {
        const std::vector<std::uint8_t> bytes = writeAviClip(clip->frames, clip->packing);
        QFile file(path);
        return file.open(QIODevice::WriteOnly) &&
               file.write(reinterpret_cast<const char*>(bytes.data()),
                          static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
    }
    const QImage& image = std::get<QImage>(picture);
    if (path.endsWith(".jpg")) return image.save(path, "JPG", 92);
    // Qt's PNG quality 80 is zlib's fastest level; the resource compiler packs the data anyway.
    return image.save(path, "PNG", 80);
}

}  // namespace
}  // namespace zavkari

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() < 3) {
        std::fprintf(stderr, "usage: %s <folder> <NAME.ext>...\n", argv[0]);
        return 2;
    }
    const QDir folder(arguments[1]);
    for (const QString& file : arguments.mid(2)) {
        const auto picture = zavkari::paint(QFileInfo(file).baseName());
        if (!picture) {
            std::fprintf(stderr, "no picture is named %s\n", qPrintable(file));
            return 1;
        }
        if (!zavkari::save(*picture, folder.filePath(file))) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(folder.filePath(file)));
            return 1;
        }
    }
    return 0;
}

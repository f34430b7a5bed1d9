#include <QPainter>
#include <QtMath>
#include <array>

#include "painters.h"

namespace zavkari {
namespace {

constexpr QSize clipSize{273, 129};
// One swing of the fan, closed to open to closed; it rests this many frames open and as many
// closed. Resting frames repeat the one before, so playing them repaints nothing: the clip costs
// the table little while it loops beside a question the player may think over for minutes.
constexpr int swingFrames = 30;
constexpr int restFrames = 15;
constexpr QSizeF cardSize{50, 68};
const QColor panel(128, 64, 0);

}  // namespace

// A hand of five cards that opens into a fan and closes again, round and round, on the brown
// panel of the score sheet.
AviClip makeReklamaClip() {
    const std::array<QImage, 5> cards{paintCardFace(Suit::aguri, Rank::ace),
                                      paintCardFace(Suit::yvavi, Rank::king), paintWildCard(true),
                                      paintCardFace(Suit::guli, Rank::queen),
                                      paintCardFace(Suit::jvari, Rank::ace)};
    const QPointF pivot(clipSize.width() / 2.0, 118);

    auto paintFan = [&](qreal open) {
        QImage picture(clipSize, QImage::Format_RGB32);
        picture.fill(panel);
        QPainter p(&picture);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        for (std::size_t i = 0; i < cards.size(); ++i) {
            const qreal angle = (static_cast<qreal>(i) - 2) * (6 + 16 * open);
            p.save();
            p.translate(pivot);
            p.rotate(angle);
            p.translate(0, -56);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 60));
            p.drawRoundedRect(QRectF(-cardSize.width() / 2 + 2, -cardSize.height() / 2 + 2,
                                     cardSize.width(), cardSize.height()),
                              4, 4);
            p.drawImage(QRectF(QPointF(-cardSize.width() / 2, -cardSize.height() / 2), cardSize),
                        cards[i]);
            p.restore();
        }
        return toRgbFrame(picture);
    };

    AviClip clip{clipSize.width(), clipSize.height(), 100, {}};
    for (int frame = 0; frame < swingFrames; ++frame) {
        const int shown = frame == swingFrames / 2 ? restFrames : 1;
        const auto picture = paintFan(0.5 - 0.5 * qCos(2 * M_PI * frame / swingFrames));
        for (int i = 0; i < shown; ++i)
            clip.frames.push_back(picture);
    }
    // Back where it began, the fan rests closed before the next swing.
    const auto closed = clip.frames.front();
    for (int i = 0; i < restFrames; ++i)
        clip.frames.push_back(closed);
    return clip;
}

}  // namespace zavkari

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>
#include <array>
#include <vector>

#include "georgian_text.h"
#include "painters.h"
#include "program_fonts.h"

namespace zavkari {
namespace {

constexpr QSize clipSize{500, 339};
constexpr int frameCount = 56;
constexpr QSizeF cardSize{82, 111};
const QPointF deckAt(250, 262);
const QPointF fanPivot(250, 262);
constexpr qreal fanRadius = 175;

struct Dealt {
    Suit suit;
    Rank rank;
    bool wild;
    bool redWild;
};

constexpr std::array<Dealt, 7> fanCards{{{Suit::guli, Rank::ace, false, false},
                                         {Suit::yvavi, Rank::king, false, false},
                                         {Suit::aguri, Rank::queen, false, false},
                                         {Suit::jvari, Rank::six, true, false},
                                         {Suit::guli, Rank::jack, false, false},
                                         {Suit::yvavi, Rank::ace, false, false},
                                         {Suit::aguri, Rank::ten, false, false}}};

qreal ease(qreal t) {
    t = qBound(0.0, t, 1.0);
    return t * t * (3 - 2 * t);
}

// A card in flight: from the deck to its place in the fan, turning face up on the way.
void drawCard(QPainter& p, const QImage& face, const QImage& back, QPointF centre, qreal angle,
              qreal turned) {
    p.save();
    p.translate(centre);
    p.rotate(angle);
    const qreal squeeze = qAbs(qCos(turned * M_PI));
    p.scale(qMax(squeeze, 0.02), 1);
    const QRectF box(-cardSize.width() / 2, -cardSize.height() / 2, cardSize.width(),
                     cardSize.height());
    p.drawImage(box, turned < 0.5 ? back : face);
    p.restore();
}

void drawDeck(QPainter& p, const QImage& back, int remaining, qreal drop) {
    for (int i = 0; i < remaining; ++i) {
        const QPointF at = deckAt + QPointF(-i * 0.6, -i * 0.8 + drop);
        p.drawImage(QRectF(at - QPointF(cardSize.width() / 2, cardSize.height() / 2), cardSize),
                    back);
    }
}

// The name in Georgian script, uncovered from left to right, with a gold rule beneath.
void drawTitle(QPainter& p, qreal shown, qreal ruleShown) {
    QFont font = programFont(QStringLiteral("AcadNusx"), 62);
    font.setBold(true);
    QPainterPath title;
    title.addText(0, 0, font, toGeorgian(u"zavkari"));
    const QRectF bounds = title.boundingRect();
    title.translate(250 - bounds.center().x(), 300 - bounds.bottom());
    const QRectF box = title.boundingRect();

    p.save();
    p.setClipRect(QRectF(box.left() - 4, 0, (box.width() + 8) * shown, clipSize.height()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(30, 70, 40));
    p.drawPath(title.translated(2, 2));
    QLinearGradient green(box.topLeft(), box.bottomLeft());
    green.setColorAt(0, QColor(40, 160, 80));
    green.setColorAt(1, QColor(0, 100, 45));
    p.setBrush(green);
    p.setPen(QPen(QColor(0, 60, 25), 1));
    p.drawPath(title);
    p.restore();

    if (ruleShown > 0) {
        const qreal half = (box.width() / 2 + 10) * ruleShown;
        p.setPen(QPen(QColor(214, 160, 40), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(250 - half, 309), QPointF(250 + half, 309));
    }
}

// White is the splash window's see-through colour: the cards' white paper is drawn a shade off
// it, so that the cards stay whole over whatever lies behind the splash.
QImage onOpaquePaper(const QImage& card) {
    const QRgb paper = qRgb(251, 249, 242);
    QImage shown = card.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < shown.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(shown.scanLine(y));
        for (int x = 0; x < shown.width(); ++x) {
            if (row[x] == qRgb(255, 255, 255)) row[x] = paper;
        }
    }
    return shown;
}

struct SplashCards {
    std::vector<QImage> faces;
    QImage back;
};

SplashCards paintSplashCards() {
    SplashCards cards;
    for (const Dealt& card : fanCards)
        cards.faces.push_back(onOpaquePaper(card.wild ? paintWildCard(card.redWild)
                                                      : paintCardFace(card.suit, card.rank)));
    cards.back = onOpaquePaper(paintCardBack(1));
    return cards;
}

QImage paintSplashFrame(const SplashCards& cards, int frame) {
    QImage picture(clipSize, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);

    const int dealt = qBound(0, (frame - 2) / 4 + 1, static_cast<int>(fanCards.size()));
    const qreal deckLeaves = ease((frame - 30) / 5.0);
    if (deckLeaves < 1) {
        p.setOpacity(1 - deckLeaves);
        drawDeck(p, cards.back, 10 - dealt, deckLeaves * 40);
        p.setOpacity(1);
    }
    for (int i = 0; i < dealt; ++i) {
        const qreal t = ease((frame - 2 - i * 4) / 9.0);
        const qreal angle = (i - 3) * 16.0;
        const QPointF target = fanPivot + QPointF(fanRadius * qSin(qDegreesToRadians(angle)),
                                                  -fanRadius * qCos(qDegreesToRadians(angle)));
        const QPointF at = deckAt + (target - deckAt) * t;
        drawCard(p, cards.faces[static_cast<std::size_t>(i)], cards.back, at, angle * t, t);
    }
    drawTitle(p, ease((frame - 35) / 11.0), ease((frame - 45) / 7.0));
    return picture;
}

}  // namespace

// The splash: cards are dealt from the deck into a fan, then the game's name is written
// beneath it. White is the splash window's transparent colour.
AviClip makeSplashClip() {
    const SplashCards cards = paintSplashCards();
    AviClip clip{clipSize.width(), clipSize.height(), 83, {}};
    for (int frame = 0; frame < frameCount; ++frame)
        clip.frames.push_back(toRgbFrame(paintSplashFrame(cards, frame)));
    return clip;
}

}  // namespace zavkari

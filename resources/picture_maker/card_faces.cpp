#include <QFont>
#include <QPainter>
#include <array>
#include <span>

#include "painters.h"

namespace zavkari {
namespace {

struct Pip {
    qreal x;
    qreal y;
};

// Pip columns and rows of the number cards; the lower half is turned upside down.
constexpr qreal left = 49, middle = 75, right = 101;
constexpr qreal top = 40, bottom = 162;
constexpr qreal rowOf4(int i) {
    return top + i * (bottom - top) / 3;
}
constexpr qreal mid = (top + bottom) / 2;

constexpr std::array<Pip, 6> sixPips{
    {{left, top}, {right, top}, {left, mid}, {right, mid}, {left, bottom}, {right, bottom}}};
constexpr std::array<Pip, 7> sevenPips{{{left, top},
                                        {right, top},
                                        {middle, (top + mid) / 2},
                                        {left, mid},
                                        {right, mid},
                                        {left, bottom},
                                        {right, bottom}}};
constexpr std::array<Pip, 8> eightPips{{{left, top},
                                        {right, top},
                                        {middle, (top + mid) / 2},
                                        {left, mid},
                                        {right, mid},
                                        {middle, (mid + bottom) / 2},
                                        {left, bottom},
                                        {right, bottom}}};
constexpr std::array<Pip, 9> ninePips{{{left, rowOf4(0)},
                                       {right, rowOf4(0)},
                                       {left, rowOf4(1)},
                                       {right, rowOf4(1)},
                                       {middle, mid},
                                       {left, rowOf4(2)},
                                       {right, rowOf4(2)},
                                       {left, rowOf4(3)},
                                       {right, rowOf4(3)}}};
constexpr std::array<Pip, 10> tenPips{{{left, rowOf4(0)},
                                       {right, rowOf4(0)},
                                       {middle, (rowOf4(0) + rowOf4(1)) / 2},
                                       {left, rowOf4(1)},
                                       {right, rowOf4(1)},
                                       {left, rowOf4(2)},
                                       {right, rowOf4(2)},
                                       {middle, (rowOf4(2) + rowOf4(3)) / 2},
                                       {left, rowOf4(3)},
                                       {right, rowOf4(3)}}};

std::span<const Pip> pipsOf(Rank rank) {
    switch (rank) {
        case Rank::six:
            return sixPips;
        case Rank::seven:
            return sevenPips;
        case Rank::eight:
            return eightPips;
        case Rank::nine:
            return ninePips;
        case Rank::ten:
            return tenPips;
        default:
            return {};
    }
}

const char* rankLabel(Rank rank) {
    constexpr std::array labels{"6", "7", "8", "9", "10", "V", "D", "K", "T"};
    return labels[static_cast<int>(rank)];
}

// Rank and suit in the top left corner; drawn again turned round for the bottom right.
void drawIndex(QPainter& painter, Suit suit, Rank rank) {
    QFont font(QStringLiteral("C059"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(27);
    if (rank == Rank::ten) font.setStretch(QFont::Condensed);
    font.setLetterSpacing(QFont::AbsoluteSpacing, rank == Rank::ten ? -2.5 : 0);
    painter.setFont(font);
    painter.setPen(suitColour(suit));
    painter.drawText(QRectF(2, 5, 32, 30), Qt::AlignHCenter | Qt::AlignTop, rankLabel(rank));
    drawSuit(painter, suit, QPointF(18, 45), 17);
}

void drawCornerIndices(QPainter& painter, Suit suit, Rank rank) {
    drawIndex(painter, suit, rank);
    painter.save();
    painter.translate(cardFaceSize.width(), cardFaceSize.height());
    painter.rotate(180);
    drawIndex(painter, suit, rank);
    painter.restore();
}

void drawNumberPips(QPainter& painter, Suit suit, Rank rank) {
    for (const Pip& pip : pipsOf(rank))
        drawSuit(painter, suit, QPointF(pip.x, pip.y), 30, pip.y > mid + 1);
}

// The ace: one large sign in a fine double ring.
void drawAce(QPainter& painter, Suit suit) {
    const QPointF centre(75, 101);
    QColor ring = suitColour(suit);
    ring.setAlpha(90);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ring, 1.2));
    painter.drawEllipse(centre, 50, 50);
    painter.drawEllipse(centre, 46, 46);
    for (int i = 0; i < 4; ++i) {
        painter.save();
        painter.translate(centre);
        painter.rotate(45 + 90 * i);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ring);
        painter.drawEllipse(QPointF(48, 0), 3, 3);
        painter.restore();
    }
    drawSuit(painter, suit, centre, 70);
}

}  // namespace

QImage blankPicture(QSize size, QColor fill, int scale, QImage::Format format) {
    QImage picture(size * scale, format);
    picture.setDevicePixelRatio(scale);
    picture.fill(fill);
    return picture;
}

QPainterPath cardOutline(const QRectF& card) {
    QPainterPath outline;
    const qreal radius = card.width() * 0.075;
    outline.addRoundedRect(card, radius, radius);
    return outline;
}

QRectF drawBlankCard(QPainter& painter, QSize size) {
    const QRectF card = QRectF(QPointF(0, 0), size).adjusted(0.5, 0.5, -0.5, -0.5);
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(Qt::white);
    painter.drawPath(cardOutline(card));
    return card;
}

QImage paintCardFace(Suit suit, Rank rank, int scale) {
    QImage face = blankPicture(cardFaceSize, Qt::transparent, scale);
    QPainter painter(&face);
    painter.setRenderHint(QPainter::Antialiasing);
    drawBlankCard(painter, cardFaceSize);

    if (rank == Rank::ace)
        drawAce(painter, suit);
    else if (rank >= Rank::jack)
        drawCourtFigure(painter, suit, rank, QRectF(31, 22, 88, 158));
    else
        drawNumberPips(painter, suit, rank);
    drawCornerIndices(painter, suit, rank);
    return face;
}

}  // namespace zavkari

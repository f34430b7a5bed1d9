#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QSize>

#include "avi_clip.h"

class QPainter;

namespace zavkari {

// The picture maker draws every picture of the game. Each painter returns a finished picture of
// the size the game shows it at; transparent parts are alpha, except where the game keys on white.
// The cards, the backs and the score sheet are also drawn at `scale` times their size for screens
// of more than one pixel to the point: the same drawing on a finer grid.

enum class Suit { aguri, guli, jvari, yvavi };  // diamonds, hearts, clubs, spades
enum class Rank { six, seven, eight, nine, ten, jack, queen, king, ace };

// suits.cpp: the four suit signs as vector shapes, one unit high and centred on the origin.
QPainterPath suitShape(Suit suit);
QColor suitColour(Suit suit);
void drawSuit(QPainter& painter, Suit suit, QPointF centre, qreal height, bool upsideDown = false);

// card_faces.cpp
constexpr QSize cardFaceSize{150, 202};
// A picture of `size` points, `scale` pixels to the point, that painters draw on in points.
QImage blankPicture(QSize size, QColor fill = Qt::transparent, int scale = 1,
                    QImage::Format format = QImage::Format_ARGB32_Premultiplied);
QPainterPath cardOutline(const QRectF& card);  // rounded corners in proportion to the card
// Paints a white card of `size` with its grey rounded edge; returns the card's rectangle.
QRectF drawBlankCard(QPainter& painter, QSize size);
QImage paintCardFace(Suit suit, Rank rank, int scale = 1);

// court_figures.cpp: the mirrored figure of a jack, queen or king inside its frame.
void drawCourtFigure(QPainter& painter, Suit suit, Rank rank, const QRectF& frame);

// borjgali.cpp: the Georgian sun, a ring of swirling arms, one unit across.
QPainterPath borjgaliShape(int arms);
// Paints the seven-armed sun `size` pixels across, centred on `centre`, in one colour.
void drawBorjgali(QPainter& painter, QPointF centre, qreal size, const QColor& colour);

// wild_cards.cpp: the wild cards J1 (black, the club six's place) and J2 (red, the spade six's).
constexpr QSize wildCardSize{89, 119};
QImage paintWildCard(bool red, int scale = 1);

// card_backs.cpp: the five backs, BACK (design 1) and BB2..BB5.
constexpr QSize cardBackSize{200, 270};
QImage paintCardBack(int design, int scale = 1);

// baize.cpp: green cloth with fibres and mottling, darker towards the edges.
QImage paintBaize(QSize size, QColor colour, quint32 seed);

// table_tops.cpp: the table picture M2 and the table top MAGIDA.
QImage paintTablePicture();
QImage paintTableTop();

// score_sheet.cpp: CXRILI, grey ruling on white, drawn `size` points large (the picture's own
// 382 x 600, or the size the table shows it at) at `scale` pixels to the point.
QImage paintScoreSheet(QSize size, int scale = 1);

// about_emblem.cpp, mouse.cpp, program_icon.cpp
QImage paintAboutEmblem();
QImage paintMouse(bool rightButtonMarked);
QImage paintProgramIcon(int size);

// splash_clip.cpp, reklama_clip.cpp
AviClip makeSplashClip();
AviClip makeReklamaClip();
RgbImage toRgbFrame(const QImage& picture);

}  // namespace zavkari

#pragma once

#include <QBrush>
#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QRectF>

class QPainter;

// Drawing pieces shared by the tiles, icons and panels: suits, cards, chips and soft shadows.
namespace Painting {

enum Suit { Clubs, Diamonds, Spades, Hearts };

QColor suitColour(Suit suit);
// The colour `share` of the way from `a` to `b`.
QColor mix(const QColor &a, const QColor &b, qreal share);
// The suit symbol filling `box`, upright.
QPainterPath suitPath(Suit suit, const QRectF &box);
// "2" .. "10", "J", "Q", "K", "A" for ranks 0 .. 12.
QString rankText(int rank);

// A card face or back filling `card` in the painter's current coordinates (which may be
// rotated); ranks 0 .. 12 as in the program (0 = Two, 12 = Ace).
void paintCardFace(QPainter &painter, const QRectF &card, int rank, Suit suit);
void paintCardBack(QPainter &painter, const QRectF &card, const QColor &colour);
QPainterPath cardOutline(const QRectF &card);

// A blurred shadow of `shape` (in the painter's coordinates) cast `offset` device pixels away.
void paintSoftShadow(QPainter &painter, const QPainterPath &shape, QPointF offset, int blur,
                     int alpha = 110);

// A shape standing off its background: a soft shadow `blur` device pixels wide, a shaded fill
// and a dark rim.
void paintRaised(QPainter &painter, const QPainterPath &shape, const QBrush &fill,
                 const QColor &rim, QPointF shadowOffset, int blur = 2);

// Fine grain over a flat surface, so felt and grass do not look like plastic.
void paintGrain(QPainter &painter, const QRectF &area, quint64 seed, int strength);
// Cloth lit from `centre`, fading to `edge` at `radius`, with its grain.
void paintFelt(QPainter &painter, const QRectF &area, QPointF centre, qreal radius,
               const QColor &middle, const QColor &edge, quint64 seed);

// A stack of `count` casino chips seen slightly from above, standing on `base`.
void paintChipStack(QPainter &painter, QPointF base, qreal radius, int count, const QColor &colour);
// One chip seen from straight above.
void paintChipTop(QPainter &painter, QPointF centre, qreal radius, const QColor &colour);

// A separable box blur run three times, close to a gaussian.
QImage blurred(const QImage &image, int radius);

// Darkens the edges of the whole device, drawing the eye to the middle.
void paintVignette(QPainter &painter, const QRectF &area, int strength);

}

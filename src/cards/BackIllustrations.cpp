#include "BackDesigns.h"

#include "CardId.h"
#include "SuitShapes.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace BackDesigns {

namespace {

const QColor Ink(20, 20, 30);

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void paintNightSky(QPainter &painter, QSizeF size, QPointF moon)
{
    QLinearGradient sky(0, 0, 0, size.height());
    sky.setColorAt(0, QColor(6, 10, 36));
    sky.setColorAt(1, QColor(36, 52, 110));
    painter.fillRect(QRectF(QPointF(0, 0), size), sky);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 30; ++i) {
        const QPointF star = scatteredPoint(i, QSizeF(size.width(), size.height() * 0.6));
        painter.setBrush(i % 3 ? QColor(255, 255, 255, 200) : QColor(255, 240, 170));
        const qreal radius = i % 5 ? 0.45 : 0.8;
        painter.drawEllipse(star, radius, radius);
    }
    constexpr qreal MoonRadius = 8.5;
    QRadialGradient glow(moon, MoonRadius * 2.2);
    glow.setColorAt(0.4, QColor(255, 250, 210, 110));
    glow.setColorAt(1, QColor(255, 250, 210, 0));
    painter.setBrush(glow);
    painter.drawEllipse(moon, MoonRadius * 2.2, MoonRadius * 2.2);
    painter.setBrush(QColor(250, 244, 200));
    painter.drawEllipse(moon, MoonRadius, MoonRadius);
    painter.setBrush(QColor(222, 214, 170));
    painter.drawEllipse(moon + QPointF(-3, -2), 1.8, 1.8);
    painter.drawEllipse(moon + QPointF(2.5, 2.5), 2.4, 2.4);
    painter.drawEllipse(moon + QPointF(3, -3.5), 1, 1);
}

void paintTower(QPainter &painter, const QRectF &body, bool pointedRoof)
{
    const QColor stone(92, 96, 120);
    painter.setPen(QPen(Ink, 0.7));
    painter.setBrush(stone);
    painter.drawRect(body);
    if (pointedRoof) {
        painter.setBrush(QColor(60, 40, 70));
        painter.drawPath(polygonPath({body.topLeft() + QPointF(-1.5, 0),
                                      QPointF(body.center().x(), body.top() - body.width() * 1.2),
                                      body.topRight() + QPointF(1.5, 0)}));
    } else {
        // Battlements.
        constexpr qreal Merlon = 2.4;
        for (qreal x = body.left(); x + Merlon <= body.right() + 0.1; x += 2 * Merlon)
            painter.drawRect(QRectF(x, body.top() - Merlon, Merlon, Merlon));
    }
    // One lit window.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 210, 80));
    const QRectF window(body.center().x() - 1, body.top() + 3, 2, 3);
    painter.drawRoundedRect(window, 1, 1);
}

void paintCastle(QPainter &painter, QSizeF size)
{
    const qreal ground = size.height() * 0.6;
    QPainterPath rock = polygonPath({{-2, size.height()},
                                     {2, size.height() * 0.86},
                                     {10, size.height() * 0.76},
                                     {16, ground + 2},
                                     {size.width() - 14, ground + 1},
                                     {size.width() - 8, size.height() * 0.74},
                                     {size.width() - 2, size.height() * 0.9},
                                     {size.width() + 2, size.height()}});
    QLinearGradient rockShade(0, ground, size.width(), size.height());
    rockShade.setColorAt(0, QColor(92, 84, 96));
    rockShade.setColorAt(1, QColor(34, 30, 44));
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(rockShade);
    painter.drawPath(rock);
    painter.setPen(QPen(QColor(20, 18, 30), 0.6));
    painter.drawLine(QPointF(20, ground + 8), QPointF(14, size.height() * 0.86));
    painter.drawLine(QPointF(size.width() - 20, ground + 6),
                     QPointF(size.width() - 14, size.height()));
    painter.drawLine(QPointF(34, ground + 12), QPointF(40, size.height() * 0.92));

    const qreal left = 17;
    const qreal right = size.width() - 15;
    paintTower(painter, QRectF(left + 8, ground - 14, right - left - 16, 14), false);
    // The gate.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(30, 22, 20));
    const qreal middle = (left + right) / 2;
    painter.drawPath(polygonPath({{middle - 2.5, ground},
                                  {middle - 2.5, ground - 5},
                                  {middle, ground - 7},
                                  {middle + 2.5, ground - 5},
                                  {middle + 2.5, ground}}));
    paintTower(painter, QRectF(left, ground - 20, 8, 20), true);
    paintTower(painter, QRectF(right - 8, ground - 20, 8, 20), true);
    paintTower(painter, QRectF(middle - 4.5, ground - 28, 9, 14), true);
    // A pennant on the keep.
    const qreal flagTop = ground - 28 - 9 * 1.2 - 6;
    painter.setPen(QPen(Ink, 0.6));
    painter.drawLine(QPointF(middle, flagTop), QPointF(middle, flagTop + 6));
    painter.setBrush(QColor(210, 40, 40));
    painter.drawPath(
        polygonPath({{middle, flagTop}, {middle + 5, flagTop + 1.5}, {middle, flagTop + 3}}));
}

// Dark water at the foot of the rock, with the moon's light on it.
void paintSeaUnderMoon(QPainter &painter, QSizeF size, qreal moonX)
{
    const qreal surface = size.height() * 0.88;
    QLinearGradient water(0, surface, 0, size.height());
    water.setColorAt(0, QColor(20, 34, 80));
    water.setColorAt(1, QColor(6, 12, 36));
    painter.fillRect(QRectF(0, surface, size.width(), size.height() - surface), water);
    painter.setPen(QPen(QColor(250, 244, 200, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
    constexpr int Glints = 4;
    for (int i = 0; i < Glints; ++i) {
        const qreal y = surface + 1.5 + i * 2.4;
        const qreal half = 5 - i;
        painter.drawLine(QPointF(moonX - half, y), QPointF(moonX + half, y));
    }
}

// A small playing card held in the fan.
void paintHeldCard(QPainter &painter, QPointF pivot, qreal angle, CardId::Suit suit)
{
    constexpr QSizeF Card{15, 21};
    painter.save();
    painter.translate(pivot);
    painter.rotate(angle);
    const QRectF card(-Card.width() / 2, -Card.height() - 2, Card.width(), Card.height());
    painter.setPen(QPen(Ink, 0.7));
    painter.setBrush(Qt::white);
    painter.drawRoundedRect(card, 1.5, 1.5);
    const QRectF pip(card.left() + 1.5, card.top() + 1.5, 4.5, 5);
    painter.fillPath(SuitShapes::path(suit, pip), SuitShapes::colour(suit));
    painter.fillPath(SuitShapes::path(suit, QRectF(card.center() - QPointF(3.5, 4), QSizeF(7, 8))),
                     SuitShapes::colour(suit));
    painter.restore();
}

void paintSleeveAndHand(QPainter &painter, QSizeF size)
{
    const QPointF wrist(size.width() * 0.44, size.height() * 0.66);
    // The sleeve comes in from the lower left corner.
    QLinearGradient cloth(0, size.height(), wrist.x(), wrist.y());
    cloth.setColorAt(0, QColor(90, 10, 30));
    cloth.setColorAt(1, QColor(170, 30, 50));
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(cloth);
    painter.drawPath(polygonPath({{-4, size.height() - 22},
                                  {wrist.x() - 9, wrist.y() - 4},
                                  {wrist.x() + 4, wrist.y() + 9},
                                  {14, size.height() + 4},
                                  {-4, size.height() + 4}}));
    painter.setPen(QPen(QColor(110, 20, 40), 0.7));
    painter.drawLine(QPointF(4, size.height() - 4), QPointF(wrist.x() - 6, wrist.y() + 6));
    // The lace cuff.
    painter.setPen(QPen(Ink, 0.7));
    painter.setBrush(QColor(250, 248, 240));
    painter.drawPath(polygonPath({{wrist.x() - 11, wrist.y() - 6},
                                  {wrist.x() - 6, wrist.y() - 9},
                                  {wrist.x() + 8, wrist.y() + 6},
                                  {wrist.x() + 5, wrist.y() + 11}}));

    const QPointF pivot = wrist + QPointF(5, -9);
    const struct
    {
        qreal angle;
        CardId::Suit suit;
    } fan[] = {
        {-34, CardId::Spades}, {-12, CardId::Hearts}, {10, CardId::Clubs}, {32, CardId::Diamonds}};
    for (const auto &card : fan)
        paintHeldCard(painter, pivot, card.angle, card.suit);

    // The hand: palm behind the fan's foot, fingers curled over the front, thumb on top.
    const QColor skin(246, 204, 166);
    painter.setPen(QPen(QColor(150, 90, 60), 0.7));
    painter.setBrush(skin);
    painter.drawEllipse(pivot + QPointF(-1, 4), 7, 6);
    for (int finger = 0; finger < 4; ++finger)
        painter.drawRoundedRect(
            QRectF(pivot + QPointF(-7 + finger * 3.6, 3.5 - finger * 0.6), QSizeF(3.6, 6.5)), 1.8,
            1.8);
    QPainterPath thumb;
    thumb.moveTo(pivot + QPointF(-6, 2));
    thumb.quadTo(pivot + QPointF(-4, -6), pivot + QPointF(1, -5));
    thumb.quadTo(pivot + QPointF(3, -3), pivot + QPointF(0, -2));
    thumb.quadTo(pivot + QPointF(-2, 2), pivot + QPointF(-3, 5));
    painter.drawPath(thumb);
}

}

void castleAtNight(QPainter &painter, QSizeF size)
{
    const QPointF moon(size.width() * 0.7, size.height() * 0.18);
    paintNightSky(painter, size, moon);
    paintCastle(painter, size);
    paintSeaUnderMoon(painter, size, moon.x());
}

void handOfCards(QPainter &painter, QSizeF size)
{
    QRadialGradient felt(QPointF(size.width() / 2, size.height() * 0.4), size.height() * 0.7);
    felt.setColorAt(0, QColor(40, 140, 80));
    felt.setColorAt(1, QColor(10, 70, 40));
    painter.fillRect(QRectF(QPointF(0, 0), size), felt);
    // A faint diamond lattice on the cloth.
    painter.setPen(QPen(QColor(255, 255, 255, 30), 0.6));
    for (qreal x = -size.height(); x < size.width(); x += 8) {
        painter.drawLine(QPointF(x, 0), QPointF(x + size.height(), size.height()));
        painter.drawLine(QPointF(x + size.height(), 0), QPointF(x, size.height()));
    }
    paintSleeveAndHand(painter, size);
}

}

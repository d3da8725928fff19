#include "Tiles.h"

#include "Painting.h"

#include <QPainter>
#include <QRadialGradient>
#include <cmath>
#include <functional>

using namespace Painting;

namespace Tiles {

namespace {

constexpr int ShadowBlur = 3;
constexpr QPointF ShadowOffset{2.5, 3};

// A card lying on the table: its centre, its turn in degrees and its size.
struct Placement
{
    QPointF centre;
    qreal angle;
    QSizeF size;
};

void paintPlaced(QPainter &painter, const Placement &at,
                 const std::function<void(QPainter &, const QRectF &)> &paint)
{
    painter.save();
    painter.translate(at.centre);
    painter.rotate(at.angle);
    const QRectF card(-at.size.width() / 2, -at.size.height() / 2, at.size.width(),
                      at.size.height());
    paintSoftShadow(painter, cardOutline(card), ShadowOffset, ShadowBlur);
    paint(painter, card);
    painter.restore();
}

void paintFace(QPainter &painter, const Placement &at, int rank, Suit suit)
{
    paintPlaced(painter, at,
                [&](QPainter &p, const QRectF &card) { paintCardFace(p, card, rank, suit); });
}

void paintBack(QPainter &painter, const Placement &at, const QColor &colour)
{
    paintPlaced(painter, at,
                [&](QPainter &p, const QRectF &card) { paintCardBack(p, card, colour); });
}

// A tile with its scene, darkened towards the edges.
QImage paintedTile(const std::function<void(QPainter &, const QRectF &)> &scene, int vignette)
{
    QImage tile(TileSize, QImage::Format_RGB32);
    tile.fill(Qt::black);
    QPainter painter(&tile);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area(QPointF(), TileSize);
    scene(painter, area);
    paintVignette(painter, area, vignette);
    return tile;
}

// Twelve: four hands round a table, the four cards of a turn in the middle with a bid token,
// and a fanned twelve (three consecutive ranks in all four suits) in the player's hand.
void paintTwelveTable(QPainter &painter)
{
    const QPointF centre(90, 96);
    const qreal radius = 78;
    QPainterPath table;
    table.addEllipse(centre, radius, radius);
    paintSoftShadow(painter, table, QPointF(0, 5), 6, 160);
    QRadialGradient rim(centre, radius);
    rim.setColorAt(0.86, QColor(120, 70, 30));
    rim.setColorAt(0.93, QColor(170, 110, 55));
    rim.setColorAt(1, QColor(70, 38, 15));
    painter.setPen(Qt::NoPen);
    painter.setBrush(rim);
    painter.drawPath(table);
    QPainterPath cloth;
    cloth.addEllipse(centre, radius * 0.86, radius * 0.86);
    painter.save();
    painter.setClipPath(cloth);
    paintFelt(painter, cloth.boundingRect(), centre - QPointF(10, 14), radius, QColor(40, 140, 70),
              QColor(12, 70, 34), 12);
    painter.restore();

    const QSizeF small(18, 25);
    const QColor backColour(40, 70, 160);
    const struct
    {
        QPointF centre;
        qreal angle;
    } seats[] = {{{90, 38}, 180}, {{150, 96}, 270}, {{30, 96}, 90}};
    for (const auto &seat : seats) {
        for (int i = -1; i <= 1; ++i) {
            const qreal turn = qDegreesToRadians(seat.angle);
            const QPointF along(std::cos(turn) * 7 * i, std::sin(turn) * 7 * i);
            paintBack(painter, {seat.centre + along, seat.angle + i * 8, small}, backColour);
        }
    }
    const struct
    {
        int rank;
        Suit suit;
        QPointF centre;
    } middle[] = {{10, Hearts, {65, 94}},
                  {12, Clubs, {90, 80}},
                  {11, Spades, {115, 94}},
                  {10, Diamonds, {90, 114}}};
    for (const auto &card : middle)
        paintFace(painter, {card.centre, 0, QSizeF(22, 31)}, card.rank, card.suit);

    // The auction: a gold bid token reading +5 beside the contested card.
    const QPointF token(124, 132);
    QPainterPath coin;
    coin.addEllipse(token, 12, 12);
    paintSoftShadow(painter, coin, QPointF(2, 2), 2, 140);
    QRadialGradient gold(token - QPointF(4, 4), 16);
    gold.setColorAt(0, QColor(255, 236, 150));
    gold.setColorAt(0.6, QColor(220, 170, 40));
    gold.setColorAt(1, QColor(150, 100, 10));
    painter.setBrush(gold);
    painter.setPen(QPen(QColor(120, 80, 10), 1));
    painter.drawPath(coin);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setBold(true);
    font.setPixelSize(11);
    painter.setFont(font);
    painter.setPen(QColor(90, 50, 0));
    painter.drawText(QRectF(token.x() - 12, token.y() - 12, 24, 24), Qt::AlignCenter,
                     QStringLiteral("+5"));
}

void paintTwelveFan(QPainter &painter)
{
    const QPointF pivot(90, 332);
    const qreal reach = 100;
    const QSizeF size(40, 56);
    const int firstRank = 9; // Jack, Queen, King: three consecutive ranks
    const Suit suits[] = {Clubs, Diamonds, Spades, Hearts};
    const int cards = 12;
    const qreal spread = 8.6;
    for (int i = 0; i < cards; ++i) {
        const qreal angle = (i - (cards - 1) / 2.0) * spread;
        const qreal turn = qDegreesToRadians(angle);
        const QPointF centre = pivot + QPointF(std::sin(turn), -std::cos(turn)) * reach;
        paintFace(painter, {centre, angle, size}, firstRank + i / 4, suits[i % 4]);
    }
}

void paintFairway(QPainter &painter, const QRectF &area)
{
    QLinearGradient grass(area.topLeft(), area.bottomLeft());
    grass.setColorAt(0, QColor(96, 170, 70));
    grass.setColorAt(1, QColor(30, 100, 40));
    painter.fillRect(area, grass);
    // Mowing stripes.
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 16));
    const qreal band = 22;
    for (qreal x = -area.height(); x < area.width(); x += band * 2) {
        QPolygonF stripe;
        stripe << QPointF(x, area.bottom()) << QPointF(x + band, area.bottom())
               << QPointF(x + band + area.height() * 0.5, area.top())
               << QPointF(x + area.height() * 0.5, area.top());
        painter.drawPolygon(stripe);
    }
    painter.restore();
    paintGrain(painter, area, 7, 18);
}

void paintFlag(QPainter &painter)
{
    const QPointF hole(144, 50);
    QRadialGradient green(hole, 46);
    green.setColorAt(0, QColor(150, 215, 110, 200));
    green.setColorAt(1, QColor(150, 215, 110, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(green);
    painter.drawEllipse(hole, 46, 22);
    painter.setBrush(QColor(20, 30, 15));
    painter.drawEllipse(hole, 6, 2.6);
    // Shadow of the pin on the grass.
    painter.setPen(QPen(QColor(0, 0, 0, 60), 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hole, hole + QPointF(26, 8));
    painter.setPen(QPen(QColor(245, 245, 240), 2.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(hole, QPointF(hole.x(), 6));
    QPainterPath flag(QPointF(hole.x(), 7));
    flag.cubicTo(QPointF(hole.x() - 10, 3), QPointF(hole.x() - 16, 14), QPointF(hole.x() - 30, 12));
    flag.cubicTo(QPointF(hole.x() - 20, 18), QPointF(hole.x() - 10, 22), QPointF(hole.x(), 25));
    flag.closeSubpath();
    QLinearGradient cloth(hole.x() - 30, 0, hole.x(), 0);
    cloth.setColorAt(0, QColor(230, 40, 40));
    cloth.setColorAt(1, QColor(170, 15, 20));
    painter.setBrush(cloth);
    painter.setPen(QPen(QColor(110, 10, 10), 0.8));
    painter.drawPath(flag);
    // The ball, resting near the cup.
    const QPointF ball(112, 56);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 70));
    painter.drawEllipse(ball + QPointF(2, 3), 5, 2.5);
    QRadialGradient shine(ball - QPointF(1.5, 1.5), 6);
    shine.setColorAt(0, Qt::white);
    shine.setColorAt(1, QColor(200, 205, 200));
    painter.setBrush(shine);
    painter.drawEllipse(ball, 4.5, 4.5);
}

// Golf: the columns of face-up cards over the fairway, the stock and the foundation below,
// and the flag in the hole.
void paintGolfCards(QPainter &painter)
{
    const QSizeF size(38, 53);
    const qreal columnStep = 42;
    const qreal rowStep = 15;
    const QPointF first(8 + size.width() / 2, 78 + size.height() / 2);
    const struct
    {
        int rank;
        Suit suit;
    } grid[4][5] = {
        {{3, Spades}, {10, Hearts}, {0, Clubs}, {7, Diamonds}, {9, Hearts}},
        {{11, Clubs}, {5, Diamonds}, {9, Spades}, {2, Hearts}, {3, Clubs}},
        {{6, Hearts}, {12, Spades}, {4, Diamonds}, {8, Clubs}, {11, Diamonds}},
        {{1, Diamonds}, {7, Clubs}, {10, Spades}, {5, Hearts}, {2, Spades}},
    };
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 5; ++row)
            paintFace(painter, {first + QPointF(column * columnStep, row * rowStep), 0, size},
                      grid[column][row].rank, grid[column][row].suit);

    const qreal pileTop = 230;
    paintBack(painter, {QPointF(8 + size.width() / 2, pileTop + size.height() / 2), 0, size},
              QColor(150, 30, 40));
    const struct
    {
        int rank;
        Suit suit;
    } foundation[] = {{4, Hearts}, {5, Spades}, {6, Diamonds}, {5, Clubs}, {4, Spades}};
    for (int i = 0; i < 5; ++i)
        paintFace(painter,
                  {QPointF(60 + size.width() / 2 + i * 17, pileTop + size.height() / 2), 0, size},
                  foundation[i].rank, foundation[i].suit);
}

void paintPokerChips(QPainter &painter)
{
    paintChipStack(painter, QPointF(40, 268), 19, 4, QColor(180, 25, 30));
    paintChipStack(painter, QPointF(90, 280), 19, 6, QColor(30, 60, 150));
    paintChipStack(painter, QPointF(140, 266), 19, 3, QColor(30, 30, 34));
    painter.save();
    painter.translate(64, 240);
    painter.scale(1, 0.42);
    QPainterPath loose;
    loose.addEllipse(QPointF(), 15, 15);
    paintSoftShadow(painter, loose, QPointF(2, 2), 2, 120);
    paintChipTop(painter, QPointF(), 15, QColor(30, 130, 60));
    painter.restore();
}

// Poker: a royal flush fanned on the felt with stacks of chips in front.
void paintRoyalFlush(QPainter &painter)
{
    const QPointF pivot(90, 290);
    const qreal reach = 150;
    const QSizeF size(56, 79);
    for (int i = 0; i < 5; ++i) {
        const qreal angle = (i - 2) * 10.0;
        const qreal turn = qDegreesToRadians(angle);
        const QPointF centre = pivot + QPointF(std::sin(turn), -std::cos(turn)) * reach;
        paintFace(painter, {centre, angle, size}, 8 + i, Hearts);
    }
}

void paintCaption(QPainter &painter, const QString &text, qreal top)
{
    QFont font(QStringLiteral("Liberation Serif"));
    font.setBold(true);
    font.setItalic(true);
    font.setPixelSize(19);
    painter.setFont(font);
    const QRectF box(0, top, 180, 26);
    painter.setPen(QColor(0, 0, 0, 150));
    painter.drawText(box.translated(1.5, 1.5), Qt::AlignCenter, text);
    painter.setPen(QColor(238, 200, 90));
    painter.drawText(box, Qt::AlignCenter, text);
}

}

QImage twelve()
{
    return paintedTile(
        [](QPainter &painter, const QRectF &area) {
            paintFelt(painter, area, QPointF(90, 110), 260, QColor(120, 24, 36), QColor(30, 4, 10),
                      3);
            paintTwelveTable(painter);
            paintTwelveFan(painter);
        },
        110);
}

QImage golf()
{
    return paintedTile(
        [](QPainter &painter, const QRectF &area) {
            paintFairway(painter, area);
            paintFlag(painter);
            paintGolfCards(painter);
        },
        90);
}

QImage poker()
{
    return paintedTile(
        [](QPainter &painter, const QRectF &area) {
            paintFelt(painter, area, QPointF(90, 130), 230, QColor(26, 120, 70), QColor(4, 36, 20),
                      5);
            painter.setPen(QPen(QColor(230, 190, 80, 120), 1.2));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(QPointF(90, 330), 150, 130);
            paintCaption(painter, QStringLiteral("Royal Flush"), 8);
            paintRoyalFlush(painter);
            paintPokerChips(painter);
        },
        110);
}

}

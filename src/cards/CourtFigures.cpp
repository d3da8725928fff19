#include "CourtFigures.h"

#include "CardCanvas.h"
#include "SuitShapes.h"

#include <QPainter>
#include <QPainterPath>

namespace CourtFigures {

namespace {

using CardId::Suit;

constexpr QRectF Frame{15.5, 14.5, 40, 67};
constexpr qreal MidLine = Frame.top() + Frame.height() / 2;
constexpr qreal CentreX = Frame.left() + Frame.width() / 2;
constexpr QPointF HeadCentre{CentreX, 31};
constexpr qreal HeadRadiusX = 5.2;
constexpr qreal HeadRadiusY = 6.2;
constexpr QRectF FramePip{Frame.left() + 2.5, Frame.top() + 2.5, 7, 7.5};

const QColor Ink(25, 25, 25);
const QColor Gold(232, 178, 28);
const QColor Skin(250, 214, 178);
const QColor Background(253, 248, 232);
const QColor Ermine(250, 250, 250);

// Robe and trim colours per suit, so the twelve figures are told apart at a glance.
struct Dress
{
    QColor robe;
    QColor trim;
    QColor hair;
};

Dress dressOf(Suit suit, int rank)
{
    static const QColor robes[]
        = {QColor(36, 72, 168), QColor(196, 22, 40), QColor(40, 40, 48), QColor(196, 22, 40)};
    static const QColor trims[] = {Gold, Gold, QColor(196, 22, 40), QColor(36, 72, 168)};
    static const QColor hairs[]
        = {QColor(120, 72, 30), QColor(236, 190, 70), QColor(170, 170, 175)};
    return {robes[suit], trims[suit], hairs[rank - CardId::Jack]};
}

QPen inkPen(qreal width = 0.8)
{
    return QPen(Ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void paintShape(QPainter &painter, const QPainterPath &shape, const QColor &fill)
{
    painter.setPen(inkPen());
    painter.setBrush(fill);
    painter.drawPath(shape);
}

QPainterPath polygonPath(std::initializer_list<QPointF> points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(points)));
    path.closeSubpath();
    return path;
}

void paintRobe(QPainter &painter, const Dress &dress, int rank)
{
    const qreal shoulder = HeadCentre.y() + HeadRadiusY + 1;
    // Rounded shoulders, the robe reaching the frame's sides.
    const qreal left = Frame.left() + 2;
    const qreal right = Frame.right() - 2;
    QPainterPath robe;
    robe.moveTo(left, MidLine);
    robe.lineTo(left, shoulder + 7);
    robe.quadTo(left, shoulder, CentreX - 7, shoulder);
    robe.lineTo(CentreX + 7, shoulder);
    robe.quadTo(right, shoulder, right, shoulder + 7);
    robe.lineTo(right, MidLine);
    robe.closeSubpath();
    paintShape(painter, robe, dress.robe);
    // The front panel and collar in the trim colour; the King's collar is ermine.
    paintShape(painter,
               polygonPath({{CentreX - 4, shoulder},
                            {CentreX + 4, shoulder},
                            {CentreX + 3, MidLine},
                            {CentreX - 3, MidLine}}),
               dress.trim);
    QPainterPath collar;
    collar.addRoundedRect(QRectF(CentreX - 8, shoulder - 1, 16, 4), 2, 2);
    paintShape(painter, collar, rank == CardId::King ? Ermine : dress.trim);
    if (rank == CardId::King) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(Ink);
        for (const qreal x : {-5.0, 0.0, 5.0})
            painter.drawEllipse(QPointF(CentreX + x, shoulder + 1), 0.6, 0.6);
    }
    painter.setPen(inkPen(0.6));
    for (const qreal y : {shoulder + 7, shoulder + 11})
        painter.drawLine(QPointF(CentreX - 3.5, y), QPointF(CentreX + 3.5, y));
}

void paintHair(QPainter &painter, const Dress &dress, int rank)
{
    QPainterPath hair;
    if (rank == CardId::Queen) {
        // Long hair falling to the shoulders.
        hair.moveTo(HeadCentre + QPointF(-5, -5));
        hair.cubicTo(HeadCentre + QPointF(-10, 0), HeadCentre + QPointF(-8, 8),
                     HeadCentre + QPointF(-9, 11));
        hair.lineTo(HeadCentre + QPointF(9, 11));
        hair.cubicTo(HeadCentre + QPointF(8, 8), HeadCentre + QPointF(10, 0),
                     HeadCentre + QPointF(5, -5));
        hair.closeSubpath();
    } else {
        hair.addEllipse(HeadCentre + QPointF(0, -1), HeadRadiusX + 1.6, HeadRadiusY + 0.8);
    }
    paintShape(painter, hair, dress.hair);
}

void paintFace(QPainter &painter, const Dress &dress, int rank)
{
    QPainterPath head;
    head.addEllipse(HeadCentre, HeadRadiusX, HeadRadiusY);
    paintShape(painter, head, Skin);
    if (rank == CardId::King) {
        QPainterPath beard;
        beard.moveTo(HeadCentre + QPointF(-HeadRadiusX, 0));
        beard.quadTo(HeadCentre + QPointF(-4, 10), HeadCentre + QPointF(0, 10.5));
        beard.quadTo(HeadCentre + QPointF(4, 10), HeadCentre + QPointF(HeadRadiusX, 0));
        beard.quadTo(HeadCentre + QPointF(0, 4.5), HeadCentre + QPointF(-HeadRadiusX, 0));
        paintShape(painter, beard, dress.hair);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(Ink);
    for (const qreal x : {-2.0, 2.0})
        painter.drawEllipse(HeadCentre + QPointF(x, -1), 0.75, 0.85);
    painter.setPen(inkPen(0.6));
    painter.drawLine(HeadCentre + QPointF(0, 0), HeadCentre + QPointF(-0.6, 1.8));
    const QColor lips = rank == CardId::Queen ? QColor(200, 30, 50) : Ink;
    painter.setPen(QPen(lips, 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(HeadCentre + QPointF(-1.3, 3.3), HeadCentre + QPointF(1.3, 3.3));
}

void paintHeadwear(QPainter &painter, const Dress &dress, int rank)
{
    const qreal brow = HeadCentre.y() - HeadRadiusY + 2;
    if (rank == CardId::King) {
        // A tall crown with three points and jewels.
        paintShape(painter,
                   polygonPath({{CentreX - 6.5, brow},
                                {CentreX - 7.5, brow - 9},
                                {CentreX - 3.5, brow - 5},
                                {CentreX, brow - 11},
                                {CentreX + 3.5, brow - 5},
                                {CentreX + 7.5, brow - 9},
                                {CentreX + 6.5, brow}}),
                   Gold);
        painter.setPen(Qt::NoPen);
        painter.setBrush(dress.trim == Gold ? QColor(196, 22, 40) : dress.trim);
        for (const qreal x : {-4.0, 0.0, 4.0})
            painter.drawEllipse(QPointF(CentreX + x, brow - 2), 1, 1);
    } else if (rank == CardId::Queen) {
        // A low crown with rounded tops.
        QPainterPath crown;
        crown.addRect(QRectF(CentreX - 5.5, brow - 4, 11, 4));
        for (const qreal x : {-4.0, 0.0, 4.0})
            crown.addEllipse(QPointF(CentreX + x, brow - 4.5), 1.6, 1.6);
        paintShape(painter, crown.simplified(), Gold);
    } else {
        // A flat cap with a feather.
        QPainterPath feather;
        feather.moveTo(CentreX + 3, brow - 3);
        feather.cubicTo(CentreX + 8, brow - 9, CentreX + 13, brow - 8, CentreX + 15, brow - 12);
        feather.cubicTo(CentreX + 13, brow - 5, CentreX + 8, brow - 4, CentreX + 4, brow - 1);
        feather.closeSubpath();
        paintShape(painter, feather, dress.trim);
        QPainterPath cap;
        cap.moveTo(CentreX - 8, brow + 0.5);
        cap.quadTo(CentreX - 7, brow - 7, CentreX + 1, brow - 6);
        cap.quadTo(CentreX + 8, brow - 5, CentreX + 8, brow + 0.5);
        cap.closeSubpath();
        paintShape(painter, cap, dress.robe);
        painter.setPen(QPen(dress.trim, 1.2));
        painter.drawLine(QPointF(CentreX - 7.5, brow), QPointF(CentreX + 7.5, brow));
    }
}

// What the figure holds beside its head: the King a sword, the Queen a flower, the Jack a
// halberd.
void paintEmblem(QPainter &painter, const Dress &dress, int rank)
{
    const qreal x = rank == CardId::Queen ? Frame.left() + 6 : Frame.right() - 6;
    const qreal low = MidLine - 3;
    if (rank == CardId::Queen) {
        painter.setPen(QPen(QColor(40, 120, 40), 1));
        painter.drawLine(QPointF(x, low), QPointF(x, Frame.top() + 16));
        painter.setPen(inkPen(0.5));
        painter.setBrush(dress.trim == Gold ? QColor(196, 22, 40) : dress.trim);
        for (int petal = 0; petal < 5; ++petal) {
            painter.save();
            painter.translate(x, Frame.top() + 14);
            painter.rotate(petal * 72);
            painter.drawEllipse(QPointF(0, -2), 1.4, 2);
            painter.restore();
        }
        painter.setBrush(Gold);
        painter.drawEllipse(QPointF(x, Frame.top() + 14), 1.1, 1.1);
        return;
    }
    painter.setPen(inkPen(0.6));
    painter.setBrush(QColor(205, 210, 220));
    if (rank == CardId::King) {
        painter.drawRect(QRectF(x - 0.9, Frame.top() + 4, 1.8, low - Frame.top() - 8));
        painter.setBrush(Gold);
        painter.drawRect(QRectF(x - 3, low - 5, 6, 1.6));
        painter.drawRect(QRectF(x - 0.8, low - 3.4, 1.6, 3.4));
    } else {
        painter.setPen(QPen(QColor(120, 72, 30), 1.1));
        painter.drawLine(QPointF(x, low), QPointF(x, Frame.top() + 6));
        painter.setPen(inkPen(0.6));
        painter.drawPath(polygonPath({{x, Frame.top() + 3},
                                      {x + 1.5, Frame.top() + 7},
                                      {x - 3.5, Frame.top() + 10},
                                      {x - 3, Frame.top() + 7}}));
    }
}

void paintHalfFigure(QPainter &painter, Suit suit, int rank)
{
    const Dress dress = dressOf(suit, rank);
    painter.save();
    painter.setClipRect(QRectF(Frame.topLeft(), QPointF(Frame.right(), MidLine)));
    paintRobe(painter, dress, rank);
    paintHair(painter, dress, rank);
    paintFace(painter, dress, rank);
    paintHeadwear(painter, dress, rank);
    paintEmblem(painter, dress, rank);
    const bool pipOnLeft = rank != CardId::Queen;
    const QRectF pipBox
        = pipOnLeft ? FramePip : FramePip.translated(Frame.width() - FramePip.width() - 5, 0);
    painter.fillPath(SuitShapes::path(suit, pipBox), SuitShapes::colour(suit));
    painter.restore();
}

}

void paint(QPainter &painter, Suit suit, int rank)
{
    painter.fillRect(Frame, Background);
    paintHalfFigure(painter, suit, rank);
    painter.save();
    painter.translate(CardCanvas::CardSize.width(), CardCanvas::CardSize.height());
    painter.rotate(180);
    paintHalfFigure(painter, suit, rank);
    painter.restore();
    painter.setPen(QPen(SuitShapes::colour(suit), 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(Frame.left(), MidLine), QPointF(Frame.right(), MidLine));
    painter.setPen(QPen(Ink, 0.8));
    painter.drawRect(Frame);
}

}

#include "BackDesigns.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <numbers>

namespace BackDesigns {

namespace {

const QColor Ink(20, 20, 30);

// Metal parts: light on the left, darker on the right.
void paintMetal(QPainter &painter, const QRectF &part, qreal radius)
{
    QLinearGradient metal(part.topLeft(), part.topRight());
    metal.setColorAt(0, QColor(232, 236, 242));
    metal.setColorAt(0.5, QColor(182, 190, 204));
    metal.setColorAt(1, QColor(118, 126, 144));
    painter.setPen(QPen(Ink, 0.8));
    painter.setBrush(metal);
    painter.drawRoundedRect(part, radius, radius);
}

void paintRivets(QPainter &painter, const QRectF &part)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(90, 96, 110));
    constexpr qreal Inset = 1.8;
    for (const QPointF corner :
         {part.topLeft() + QPointF(Inset, Inset), part.topRight() + QPointF(-Inset, Inset),
          part.bottomLeft() + QPointF(Inset, -Inset), part.bottomRight() + QPointF(-Inset, -Inset)})
        painter.drawEllipse(corner, 0.6, 0.6);
}

void paintRobot(QPainter &painter, QPointF top)
{
    const qreal x = top.x();
    const QRectF head(x - 11, top.y() + 6, 22, 16);
    const QRectF body(x - 14, head.bottom() + 3, 28, 26);
    // Antenna.
    painter.setPen(QPen(Ink, 1));
    painter.drawLine(QPointF(x, head.top()), QPointF(x, top.y() + 1));
    painter.setBrush(QColor(230, 40, 40));
    painter.drawEllipse(QPointF(x, top.y() + 1), 1.8, 1.8);
    // Arms and legs behind the body.
    for (const int side : {-1, 1}) {
        const QRectF arm(side < 0 ? body.left() - 5 : body.right(), body.top() + 3, 5, 17);
        paintMetal(painter, arm, 2);
        painter.setPen(QPen(Ink, 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(QRectF(arm.center().x() - 3, arm.bottom() - 1, 6, 6), 30 * 16, 300 * 16);
        const QRectF leg(x + (side < 0 ? -10 : 4), body.bottom(), 6, 11);
        paintMetal(painter, leg, 1);
        paintMetal(painter, QRectF(leg.left() - 1.5, leg.bottom(), 9, 4), 1.5);
    }
    paintMetal(painter, QRectF(x - 3, head.bottom(), 6, 4), 0);
    paintMetal(painter, body, 3);
    paintRivets(painter, body);
    paintMetal(painter, head, 3);
    paintRivets(painter, head);
    // Eyes, mouth grille.
    for (const int side : {-1, 1}) {
        const QPointF eye(x + side * 5, head.top() + 6);
        painter.setPen(QPen(Ink, 0.7));
        painter.setBrush(QColor(255, 230, 80));
        painter.drawEllipse(eye, 3, 3);
        painter.setBrush(Ink);
        painter.drawEllipse(eye, 1.2, 1.2);
    }
    painter.setBrush(QColor(60, 64, 76));
    const QRectF mouth(x - 6, head.top() + 11, 12, 3);
    painter.drawRect(mouth);
    painter.setPen(QPen(QColor(200, 205, 215), 0.5));
    for (int slot = 1; slot < 4; ++slot)
        painter.drawLine(QPointF(mouth.left() + slot * 3, mouth.top()),
                         QPointF(mouth.left() + slot * 3, mouth.bottom()));
    // Chest panel: a dial and three buttons.
    const QRectF panel(x - 9, body.top() + 4, 18, 13);
    painter.setPen(QPen(Ink, 0.7));
    painter.setBrush(QColor(40, 50, 70));
    painter.drawRoundedRect(panel, 1.5, 1.5);
    painter.setBrush(QColor(250, 250, 240));
    const QPointF dial(panel.left() + 5, panel.center().y());
    painter.drawEllipse(dial, 3.6, 3.6);
    painter.setPen(QPen(QColor(220, 30, 30), 0.8));
    painter.drawLine(dial, dial + QPointF(2.2, -2.2));
    painter.setPen(Qt::NoPen);
    const QColor lights[] = {QColor(230, 50, 50), QColor(60, 200, 80), QColor(70, 140, 250)};
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(lights[i]);
        painter.drawEllipse(QPointF(panel.right() - 4, panel.top() + 2.8 + i * 3.7), 1.4, 1.4);
    }
    painter.setPen(QPen(Ink, 0.6));
    for (int line = 0; line < 3; ++line) {
        const qreal y = panel.bottom() + 2.5 + line * 1.8;
        painter.drawLine(QPointF(x - 6, y), QPointF(x + 6, y));
    }
}

void paintLeaf(QPainter &painter, QPointF base, qreal angle, qreal length)
{
    painter.save();
    painter.translate(base);
    painter.rotate(angle);
    QPainterPath leaf;
    leaf.moveTo(0, 0);
    leaf.quadTo(length * 0.5, -length * 0.35, length, 0);
    leaf.quadTo(length * 0.5, length * 0.35, 0, 0);
    painter.setPen(QPen(QColor(20, 70, 30), 0.7));
    painter.setBrush(QColor(50, 130, 55));
    painter.drawPath(leaf);
    painter.drawLine(QPointF(0, 0), QPointF(length * 0.9, 0));
    painter.restore();
}

// A rose seen from above: a ring of outer petals around a tight spiral of inner ones.
void paintRose(QPainter &painter, QPointF centre, qreal radius)
{
    constexpr int OuterPetals = 5;
    const QColor petalEdge(110, 0, 20);
    painter.setPen(QPen(petalEdge, 0.7));
    for (int i = 0; i < OuterPetals; ++i) {
        const qreal angle = i * 2 * std::numbers::pi / OuterPetals + 0.3;
        const QPointF at = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.45;
        QRadialGradient petal(at, radius * 0.65);
        petal.setColorAt(0, QColor(235, 50, 70));
        petal.setColorAt(1, QColor(160, 10, 30));
        painter.setBrush(petal);
        painter.drawEllipse(at, radius * 0.6, radius * 0.6);
    }
    QRadialGradient heart(centre, radius * 0.7);
    heart.setColorAt(0, QColor(150, 0, 25));
    heart.setColorAt(1, QColor(225, 40, 60));
    painter.setBrush(heart);
    painter.drawEllipse(centre, radius * 0.62, radius * 0.62);
    // The curled inner petals as a spiral line.
    QPainterPath curl;
    constexpr int Steps = 60;
    constexpr qreal Turns = 2.2;
    for (int i = 0; i <= Steps; ++i) {
        const qreal t = qreal(i) / Steps;
        const qreal angle = t * Turns * 2 * std::numbers::pi;
        const QPointF point
            = centre + QPointF(std::cos(angle), std::sin(angle)) * radius * 0.55 * t;
        if (i == 0)
            curl.moveTo(point);
        else
            curl.lineTo(point);
    }
    painter.setPen(QPen(petalEdge, 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(curl);
}

}

void toyRobot(QPainter &painter, QSizeF size)
{
    const QRectF area(QPointF(0, 0), size);
    QLinearGradient wall(area.topLeft(), area.bottomLeft());
    wall.setColorAt(0, QColor(255, 200, 60));
    wall.setColorAt(1, QColor(240, 130, 30));
    painter.fillRect(area, wall);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 70));
    for (qreal y = 4; y < size.height(); y += 8) {
        for (qreal x = (int(y) / 8 % 2) * 4 + 2; x < size.width(); x += 8)
            painter.drawEllipse(QPointF(x, y), 1.2, 1.2);
    }
    // The floor the robot stands on.
    painter.setBrush(QColor(150, 70, 20, 110));
    painter.drawEllipse(QPointF(size.width() / 2, size.height() * 0.86), 20, 3.5);
    paintRobot(painter, QPointF(size.width() / 2, size.height() * 0.1));
}

void redRoses(QPainter &painter, QSizeF size)
{
    const QRectF area(QPointF(0, 0), size);
    QRadialGradient background(area.center(), size.height() * 0.7);
    background.setColorAt(0, QColor(255, 250, 236));
    background.setColorAt(1, QColor(232, 214, 180));
    painter.fillRect(area, background);
    const struct
    {
        QPointF centre;
        qreal radius;
    } roses[] = {{{20, 26}, 11}, {{44, 40}, 12}, {{24, 58}, 10.5}};
    // Stems to a common point at the bottom, then leaves, then the flowers on top.
    const QPointF bunch(size.width() * 0.5, size.height() + 2);
    painter.setPen(QPen(QColor(40, 100, 40), 1.6, Qt::SolidLine, Qt::RoundCap));
    for (const auto &rose : roses)
        painter.drawLine(rose.centre, bunch);
    const struct
    {
        QPointF base;
        qreal angle;
        qreal length;
    } leaves[] = {{{30, 40}, 200, 14}, {{48, 54}, 20, 14},  {{34, 72}, 150, 13},
                  {{36, 76}, -20, 12}, {{12, 40}, 120, 11}, {{54, 30}, -60, 11}};
    for (const auto &leaf : leaves)
        paintLeaf(painter, leaf.base, leaf.angle, leaf.length);
    for (const auto &rose : roses)
        paintRose(painter, rose.centre, rose.radius);
}

}

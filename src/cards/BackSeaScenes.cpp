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

void fillVertical(QPainter &painter, const QRectF &rect, const QColor &top, const QColor &bottom)
{
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    gradient.setColorAt(0, top);
    gradient.setColorAt(1, bottom);
    painter.fillRect(rect, gradient);
}

// A leaf-shaped blade from base to tip, bulging to one side by width.
QPainterPath blade(QPointF base, QPointF tip, qreal width, qreal bend)
{
    const QPointF along = tip - base;
    const QPointF normal(-along.y(), along.x());
    const qreal length = std::hypot(along.x(), along.y());
    const QPointF side = normal / length * width;
    const QPointF sag = normal / length * bend;
    QPainterPath path;
    path.moveTo(base);
    path.quadTo(base + along * 0.5 + side + sag, tip);
    path.quadTo(base + along * 0.5 - side + sag, base);
    return path;
}

void paintSeaweedAndAnemone(QPainter &painter, QSizeF size)
{
    constexpr int Tentacles = 15;
    const QPointF root(size.width() * 0.5, size.height() + 4);
    for (int i = 0; i < Tentacles; ++i) {
        const qreal spread = (i - (Tentacles - 1) / 2.0) / Tentacles;
        const QPointF tip(root.x() + spread * size.width() * 1.4,
                          size.height() * (0.7 + 0.08 * std::cos(i * 1.7)));
        QPainterPath tentacle;
        tentacle.moveTo(root);
        tentacle.quadTo(QPointF(root.x() + spread * 30, size.height() * 0.86), tip);
        painter.setPen(QPen(QColor(170, 60, 150), 3.2, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(tentacle);
        painter.setPen(QPen(QColor(236, 130, 210), 1.4, Qt::SolidLine, Qt::RoundCap));
        painter.drawPath(tentacle);
    }
}

void paintBubbles(QPainter &painter, QPointF from)
{
    painter.setPen(QPen(QColor(235, 250, 255), 0.7));
    painter.setBrush(QColor(255, 255, 255, 60));
    const qreal radii[] = {1.2, 1.6, 2.1, 2.6};
    for (int i = 0; i < 4; ++i)
        painter.drawEllipse(from + QPointF(2 + 2.5 * std::sin(i * 2.1), -6 - i * 7), radii[i],
                            radii[i]);
}

QPainterPath fishBody(QPointF centre, qreal length, qreal height)
{
    QPainterPath body;
    const qreal half = length / 2;
    body.moveTo(centre + QPointF(half, 0));
    body.cubicTo(centre + QPointF(half, -height * 0.55),
                 centre + QPointF(-half * 0.4, -height * 0.6),
                 centre + QPointF(-half, -height * 0.12));
    body.lineTo(centre + QPointF(-half, height * 0.12));
    body.cubicTo(centre + QPointF(-half * 0.4, height * 0.6), centre + QPointF(half, height * 0.55),
                 centre + QPointF(half, 0));
    return body;
}

void paintFin(QPainter &painter, const QPainterPath &fin)
{
    painter.setPen(QPen(Ink, 0.9));
    painter.setBrush(QColor(255, 120, 20));
    painter.drawPath(fin);
}

void paintClownFish(QPainter &painter, QPointF centre)
{
    constexpr qreal Length = 44;
    constexpr qreal Height = 26;
    const qreal half = Length / 2;
    QPainterPath tail;
    tail.moveTo(centre + QPointF(-half + 3, 0));
    tail.cubicTo(centre + QPointF(-half - 6, -12), centre + QPointF(-half - 10, -10),
                 centre + QPointF(-half - 8, 0));
    tail.cubicTo(centre + QPointF(-half - 10, 10), centre + QPointF(-half - 6, 12),
                 centre + QPointF(-half + 3, 0));
    paintFin(painter, tail);
    QPainterPath topFin;
    topFin.moveTo(centre + QPointF(-12, -9));
    topFin.cubicTo(centre + QPointF(-6, -22), centre + QPointF(6, -20), centre + QPointF(10, -9));
    paintFin(painter, topFin);
    QPainterPath bottomFin;
    bottomFin.moveTo(centre + QPointF(-8, 9));
    bottomFin.quadTo(centre + QPointF(-2, 18), centre + QPointF(4, 9));
    paintFin(painter, bottomFin);

    const QPainterPath body = fishBody(centre, Length, Height);
    QRadialGradient orange(centre + QPointF(4, -5), Length * 0.6);
    orange.setColorAt(0, QColor(255, 170, 60));
    orange.setColorAt(1, QColor(235, 90, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(orange);
    painter.drawPath(body);
    // The three white bands with their black edges.
    painter.save();
    painter.setClipPath(body);
    for (const qreal x : {12.0, -1.0, -15.0}) {
        QPainterPath band;
        band.moveTo(centre + QPointF(x - 2, -Height));
        band.cubicTo(centre + QPointF(x + 3, -4), centre + QPointF(x + 3, 4),
                     centre + QPointF(x - 2, Height));
        painter.setPen(QPen(Ink, 6.2));
        painter.drawPath(band);
        painter.setPen(QPen(Qt::white, 4));
        painter.drawPath(band);
    }
    painter.restore();
    painter.setPen(QPen(Ink, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(body);

    const QPointF eye = centre + QPointF(half - 7, -3);
    painter.setBrush(Qt::white);
    painter.drawEllipse(eye, 2.8, 2.8);
    painter.setBrush(Ink);
    painter.drawEllipse(eye + QPointF(0.6, 0), 1.5, 1.5);
    painter.setPen(QPen(Ink, 0.9, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(centre + QPointF(half - 2, 4), centre + QPointF(half - 5, 5));
    paintBubbles(painter, centre + QPointF(half + 2, -6));
}

void paintPalmTree(QPainter &painter, QPointF foot, QPointF crown)
{
    QPainterPath trunk;
    const QPointF bend(foot.x() + 10, (foot.y() + crown.y()) / 2);
    trunk.moveTo(foot);
    trunk.quadTo(bend, crown);
    painter.setPen(QPen(QColor(90, 58, 30), 5.5, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(trunk);
    painter.setPen(QPen(QColor(150, 104, 58), 3.2, Qt::SolidLine, Qt::RoundCap));
    painter.drawPath(trunk);
    // Rings on the trunk.
    painter.setPen(QPen(QColor(90, 58, 30), 0.8));
    constexpr int Rings = 9;
    for (int i = 1; i < Rings; ++i) {
        const QPointF at = trunk.pointAtPercent(qreal(i) / Rings);
        painter.drawLine(at - QPointF(2.5, 0.6), at + QPointF(2.5, -0.6));
    }
    const struct
    {
        qreal dx, dy, bend;
    } fronds[] = {{-24, 4, -5}, {-20, -10, -4}, {-6, -17, -3}, {10, -15, 3},
                  {22, -6, 4},  {24, 8, 5},     {-14, 14, -4}, {14, 16, 4}};
    for (const auto &frond : fronds) {
        const QPainterPath leaf
            = blade(crown, crown + QPointF(frond.dx, frond.dy), 3.4, frond.bend);
        painter.setPen(QPen(QColor(20, 90, 30), 0.8));
        painter.setBrush(QColor(50, 160, 60));
        painter.drawPath(leaf);
        painter.setPen(QPen(QColor(20, 90, 30), 0.6));
        painter.drawLine(crown, crown + QPointF(frond.dx, frond.dy) * 0.9);
    }
    painter.setPen(QPen(Ink, 0.6));
    painter.setBrush(QColor(110, 70, 30));
    for (const QPointF offset : {QPointF(-2, 3), QPointF(2, 3.5), QPointF(0, 6)})
        painter.drawEllipse(crown + offset, 2, 2);
}

// A logarithmic spiral that grows by the same factor with every turn.
QPointF spiralPoint(QPointF centre, qreal angle, qreal start, qreal growthPerTurn)
{
    const qreal radius = start * std::pow(growthPerTurn, angle / (2 * std::numbers::pi));
    return centre + QPointF(std::cos(angle), std::sin(angle)) * radius;
}

}

void clownFish(QPainter &painter, QSizeF size)
{
    const QRectF area(QPointF(0, 0), size);
    fillVertical(painter, area, QColor(120, 210, 235), QColor(10, 60, 140));
    // Light falling through the water.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 28));
    for (const qreal x : {4.0, 24.0, 44.0}) {
        painter.drawPolygon(
            QPolygonF({QPointF(x, 0), QPointF(x + 10, 0), QPointF(x + 2, size.height()),
                       QPointF(x - 8, size.height())}));
    }
    paintSeaweedAndAnemone(painter, size);
    paintClownFish(painter, QPointF(size.width() * 0.52, size.height() * 0.45));
}

void palmBeach(QPainter &painter, QSizeF size)
{
    const qreal horizon = size.height() * 0.52;
    const qreal shore = size.height() * 0.68;
    fillVertical(painter, QRectF(0, 0, size.width(), horizon), QColor(70, 150, 230),
                 QColor(190, 230, 250));
    QRadialGradient sun(QPointF(14, 15), 12);
    sun.setColorAt(0, QColor(255, 250, 180));
    sun.setColorAt(0.5, QColor(255, 220, 60));
    sun.setColorAt(0.52, QColor(255, 220, 60, 90));
    sun.setColorAt(1, QColor(255, 220, 60, 0));
    painter.fillRect(QRectF(0, 0, 30, 30), sun);
    // A few gulls.
    painter.setPen(QPen(QColor(40, 50, 70), 0.8, Qt::SolidLine, Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (const QPointF gull : {QPointF(36, 12), QPointF(44, 18), QPointF(30, 22)}) {
        QPainterPath wings;
        wings.moveTo(gull + QPointF(-3, 0));
        wings.quadTo(gull + QPointF(-1.5, -1.8), gull);
        wings.quadTo(gull + QPointF(1.5, -1.8), gull + QPointF(3, 0));
        painter.drawPath(wings);
    }
    fillVertical(painter, QRectF(0, horizon, size.width(), shore - horizon + 4),
                 QColor(20, 110, 170), QColor(40, 190, 200));
    QPainterPath sand;
    sand.moveTo(0, shore + 3);
    sand.cubicTo(size.width() * 0.3, shore - 3, size.width() * 0.6, shore + 6, size.width(), shore);
    sand.lineTo(size.width(), size.height());
    sand.lineTo(0, size.height());
    QLinearGradient sandShade(0, shore, 0, size.height());
    sandShade.setColorAt(0, QColor(250, 228, 170));
    sandShade.setColorAt(1, QColor(222, 180, 110));
    painter.setPen(QPen(Qt::white, 1.6));
    painter.setBrush(sandShade);
    painter.drawPath(sand);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(190, 150, 90));
    for (int i = 0; i < 40; ++i) {
        const QPointF grain = scatteredPoint(i, QSizeF(size.width(), size.height() - shore - 4));
        painter.drawEllipse(grain + QPointF(0, shore + 4), 0.4, 0.4);
    }
    paintPalmTree(painter, QPointF(size.width() * 0.56, size.height() - 8),
                  QPointF(size.width() * 0.58, size.height() * 0.3));
}

void spiralShell(QPainter &painter, QSizeF size)
{
    const QRectF area(QPointF(0, 0), size);
    fillVertical(painter, area, QColor(40, 120, 170), QColor(10, 40, 90));
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 40));
    for (int i = 0; i < 18; ++i)
        painter.drawEllipse(scatteredPoint(i, size), 0.8, 0.8);

    constexpr qreal Growth = 3;
    constexpr qreal Turns = 3;
    constexpr int StepsPerTurn = 60;
    constexpr qreal Start = 1.1;
    const QPointF centre(size.width() * 0.5, size.height() * 0.46);
    const qreal end = Turns * 2 * std::numbers::pi;
    const qreal turn = 2 * std::numbers::pi;
    auto at = [&](qreal angle) { return spiralPoint(centre, angle, Start, Growth); };

    // The outer whorl filled, with the spiral of the inner whorls and the chamber walls on it.
    QPainterPath shell;
    for (int i = 0; i <= StepsPerTurn; ++i) {
        const QPointF point = at(end - turn + i * turn / StepsPerTurn);
        if (i == 0)
            shell.moveTo(point);
        else
            shell.lineTo(point);
    }
    shell.closeSubpath();
    QRadialGradient cream(centre, at(end).x() - centre.x());
    cream.setColorAt(0, QColor(255, 250, 235));
    cream.setColorAt(1, QColor(240, 210, 170));
    painter.setBrush(cream);
    painter.setPen(QPen(QColor(110, 60, 30), 1));
    painter.drawPath(shell);

    // Tiger stripes across the outer part of the last whorl.
    painter.save();
    painter.setClipPath(shell);
    painter.setPen(QPen(QColor(190, 100, 40), 2.2, Qt::SolidLine, Qt::RoundCap));
    constexpr int Stripes = 9;
    for (int i = 0; i < Stripes; ++i) {
        const qreal angle = end - turn * (0.1 + 0.8 * i / Stripes);
        const QPointF outer = at(angle);
        const QPointF inner = at(angle - turn);
        painter.drawLine(outer, outer + (inner - outer) * 0.45);
    }
    painter.restore();

    painter.setPen(QPen(QColor(110, 60, 30), 0.8));
    painter.setBrush(Qt::NoBrush);
    QPainterPath spiral;
    const int steps = int(Turns * StepsPerTurn);
    for (int i = 0; i <= steps - StepsPerTurn; ++i) {
        const QPointF point = at(i * turn / StepsPerTurn);
        if (i == 0)
            spiral.moveTo(point);
        else
            spiral.lineTo(point);
    }
    painter.drawPath(spiral);
    constexpr int Chambers = 16;
    for (int i = 1; i <= Chambers; ++i) {
        const qreal angle = end - turn - i * turn * (Turns - 1) / Chambers;
        painter.drawLine(at(angle), at(angle + turn));
    }
}

}

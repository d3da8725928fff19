#include "SuitShapes.h"

#include <QTransform>

namespace SuitShapes {

namespace {

// Each symbol is drawn once in a unit square and scaled into its box.
QPainterPath heart()
{
    QPainterPath p;
    p.moveTo(0.5, 1.0);
    p.cubicTo(0.32, 0.78, 0.0, 0.56, 0.0, 0.29);
    p.cubicTo(0.0, 0.1, 0.13, 0.0, 0.27, 0.0);
    p.cubicTo(0.4, 0.0, 0.48, 0.09, 0.5, 0.2);
    p.cubicTo(0.52, 0.09, 0.6, 0.0, 0.73, 0.0);
    p.cubicTo(0.87, 0.0, 1.0, 0.1, 1.0, 0.29);
    p.cubicTo(1.0, 0.56, 0.68, 0.78, 0.5, 1.0);
    p.closeSubpath();
    return p;
}

QPainterPath diamond()
{
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.quadTo(0.66, 0.28, 0.92, 0.5);
    p.quadTo(0.66, 0.72, 0.5, 1.0);
    p.quadTo(0.34, 0.72, 0.08, 0.5);
    p.quadTo(0.34, 0.28, 0.5, 0.0);
    p.closeSubpath();
    return p;
}

// The flared foot under the spade and the club.
QPainterPath stem(qreal top)
{
    QPainterPath p;
    p.moveTo(0.46, top);
    p.quadTo(0.44, 0.9, 0.26, 1.0);
    p.lineTo(0.74, 1.0);
    p.quadTo(0.56, 0.9, 0.54, top);
    p.closeSubpath();
    return p;
}

QPainterPath spade()
{
    QPainterPath p;
    p.moveTo(0.5, 0.0);
    p.cubicTo(0.36, 0.2, 0.0, 0.38, 0.0, 0.6);
    p.cubicTo(0.0, 0.76, 0.12, 0.84, 0.26, 0.84);
    p.cubicTo(0.37, 0.84, 0.45, 0.78, 0.5, 0.7);
    p.cubicTo(0.55, 0.78, 0.63, 0.84, 0.74, 0.84);
    p.cubicTo(0.88, 0.84, 1.0, 0.76, 1.0, 0.6);
    p.cubicTo(1.0, 0.38, 0.64, 0.2, 0.5, 0.0);
    p.closeSubpath();
    return p.united(stem(0.6));
}

QPainterPath club()
{
    constexpr qreal LeafRadius = 0.23;
    QPainterPath p = stem(0.5);
    const struct
    {
        QPointF centre;
        qreal radius;
    } parts[] = {{{0.5, 0.24}, LeafRadius},
                 {{0.245, 0.59}, LeafRadius},
                 {{0.755, 0.59}, LeafRadius},
                 {{0.5, 0.5}, 0.14}};
    for (const auto &part : parts) {
        QPainterPath circle;
        circle.addEllipse(part.centre, part.radius, part.radius);
        p = p.united(circle);
    }
    return p;
}

const QPainterPath &unitPath(CardId::Suit suit)
{
    static const QPainterPath paths[] = {club(), diamond(), spade(), heart()};
    return paths[suit];
}

}

QPainterPath path(CardId::Suit suit, const QRectF &box)
{
    QTransform toBox;
    toBox.translate(box.left(), box.top());
    toBox.scale(box.width(), box.height());
    return toBox.map(unitPath(suit));
}

QColor colour(CardId::Suit suit)
{
    return CardId::isRed(suit) ? QColor(206, 17, 38) : QColor(20, 20, 20);
}

}

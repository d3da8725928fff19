#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>

// The arithmetic of the table's card movements, one call per tick of the move timer: a put
// card travelling along one axis, a card turning over about its centre, and a sold card's
// straight flight to its buyer. Speeds are pixels per tick.
namespace TwelveMotion {

// Moves step pixels towards the target along the axis on which they differ, never past it.
QPoint travelStep(QPoint from, QPoint target, int step);

// A card of the given width turning over about the centre of the upright card at place.
QRect turningCard(QPoint place, int width);

// A sold card flying in a straight line, step pixels per tick.
class Flight
{
public:
    Flight() = default;
    Flight(QPoint from, QPoint target, int step);

    // One tick; true once the card has arrived, which puts it exactly on the target.
    bool advance();
    QPoint position() const;

private:
    QPointF at;
    QPointF target;
    QPointF delta;
    double step = 0;
};

}

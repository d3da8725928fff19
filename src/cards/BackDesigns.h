#pragma once

#include <QPointF>
#include <QSizeF>

class QPainter;

// One function per back design; each paints its illustration into a rectangle of the given size
// at the painter's origin.
namespace BackDesigns {

void basketWeave(QPainter &painter, QSizeF size);
void clownFish(QPainter &painter, QSizeF size);
void castleAtNight(QPainter &painter, QSizeF size);
void handOfCards(QPainter &painter, QSizeF size);
void redBlueWeave(QPainter &painter, QSizeF size);
void palmBeach(QPainter &painter, QSizeF size);
void toyRobot(QPainter &painter, QSizeF size);
void redRoses(QPainter &painter, QSizeF size);
void spiralShell(QPainter &painter, QSizeF size);

// A fixed, evenly spread point of the rectangle for scattering stars, bubbles and grains: the
// pictures are the same on every run.
QPointF scatteredPoint(int index, QSizeF size);

}

#include "TwelveMotion.h"

#include "TwelveRules.h"
#include "TwelveTableLayout.h"

#include <QLineF>
#include <cmath>

namespace TwelveMotion {

namespace {

int towards(int from, int target, int step)
{
    if (from < target)
        return std::min(from + step, target);
    return std::max(from - step, target);
}

}

QPoint travelStep(QPoint from, QPoint target, int step)
{
    return {towards(from.x(), target.x(), step), towards(from.y(), target.y(), step)};
}

QRect turningCard(QPoint place, int width)
{
    return {place.x() + (TwelveTableLayout::CardWidth - width) / 2, place.y(), width,
            TwelveTableLayout::CardHeight};
}

Flight::Flight(QPoint from, QPoint to, int pixelsPerTick)
    : at(from)
    , target(to)
    , step(pixelsPerTick)
{
    // The same step as along the line's slope, also for a vertical line.
    const double length = QLineF(at, target).length();
    if (length > 0)
        delta = (target - at) * (step / length);
}

bool Flight::advance()
{
    if (QLineF(at, target).length() > step) {
        at += delta;
        return false;
    }
    at = target;
    return true;
}

QPoint Flight::position() const
{
    return {static_cast<int>(roundHalfToEven(at.x())), static_cast<int>(roundHalfToEven(at.y()))};
}

}

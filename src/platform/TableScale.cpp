#include "TableScale.h"

#include <algorithm>
#include <cmath>

TableScale::TableScale(qreal scale, QPoint corner)
    : scale(scale)
    , corner(corner)
{ }

TableScale TableScale::fitting(QSize widget, QSize designed)
{
    const qreal across = qreal(widget.width()) / designed.width();
    const qreal down = qreal(widget.height()) / designed.height();
    const qreal scale = std::max<qreal>(1, std::min(across, down));
    const QSize shown(qRound(designed.width() * scale), qRound(designed.height() * scale));
    return {scale,
            QPoint(std::max(0, (widget.width() - shown.width()) / 2),
                   std::max(0, (widget.height() - shown.height()) / 2))};
}

TableScale TableScale::filling(QSize widget, QSize least)
{
    const qreal across = qreal(widget.width()) / least.width();
    const qreal down = qreal(widget.height()) / least.height();
    return {std::max<qreal>(1, std::min(across, down)), QPoint()};
}

QSize TableScale::designedSize(QSize widget) const
{
    const QSize inTable = widget - QSize(corner.x(), corner.y());
    return {int(std::floor(inTable.width() / scale)), int(std::floor(inTable.height() / scale))};
}

// Halves round up everywhere, also left of the table, as toDesigned expects.
int TableScale::scaled(int length) const
{
    return int(std::floor(length * scale + 0.5));
}

QPoint TableScale::toWidget(QPoint designed) const
{
    return corner + QPoint(scaled(designed.x()), scaled(designed.y()));
}

QRect TableScale::toWidget(const QRect &designed) const
{
    return toWidgetWithin(designed).translated(corner);
}

QRect TableScale::toWidgetWithin(const QRect &designed) const
{
    const int left = scaled(designed.left());
    const int top = scaled(designed.top());
    return {left, top, scaled(designed.left() + designed.width()) - left,
            scaled(designed.top() + designed.height()) - top};
}

QRect TableScale::toWidgetWhole(const QRect &designed) const
{
    return {toWidget(designed.topLeft()),
            QSize(scaled(designed.width()), scaled(designed.height()))};
}

// Widget pixel x lies on designed pixel d when round(d * scale) <= x < round((d + 1) * scale),
// the pixels toWidget gives d.
QPoint TableScale::toDesigned(QPoint widget) const
{
    const auto back = [this](int x) { return int(std::ceil((x + 0.5) / scale)) - 1; };
    const QPoint inTable = widget - corner;
    return {back(inTable.x()), back(inTable.y())};
}

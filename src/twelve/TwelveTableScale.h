#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

// The table is laid out at its designed size; a larger widget shows it scaled as a whole,
// keeping its proportions, centred. This maps designed coordinates to the widget's and back.
class TableScale
{
public:
    TableScale() = default;

    // The largest scale at which the designed size fits the widget, never below 1.
    static TableScale fitting(QSize widget, QSize designed);

    qreal factor() const { return scale; }
    // Where the designed origin lies in the widget, on a whole pixel.
    QPoint origin() const { return corner; }

    QPoint toWidget(QPoint designed) const;
    // Each edge is rounded on its own, so parts that touch as designed touch when scaled.
    QRect toWidget(const QRect &designed) const;
    // A size and place inside a scaled part, relative to it.
    QRect toWidgetWithin(const QRect &designed) const;
    // The designed pixel that a widget point lies on.
    QPoint toDesigned(QPoint widget) const;

    friend bool operator==(const TableScale &, const TableScale &) = default;

private:
    TableScale(qreal scale, QPoint corner);
    int scaled(int length) const;

    qreal scale = 1;
    QPoint corner;
};

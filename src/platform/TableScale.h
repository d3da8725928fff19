#pragma once

#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QSize>

// A table laid out in designed pixels, shown in a larger widget scaled as a whole, keeping its
// proportions. This maps designed coordinates to the widget's and back.
class TableScale
{
public:
    TableScale() = default;

    // The largest scale at which the designed size fits the widget, never below 1, the table
    // centred.
    static TableScale fitting(QSize widget, QSize designed);
    // For a table whose layout grows with its widget: the largest scale at which the least
    // designed size the layout needs fits the widget, never below 1, the table at the widget's
    // corner. The layout then takes designedSize(widget).
    static TableScale filling(QSize widget, QSize least);

    qreal factor() const { return scale; }
    // Where the designed origin lies in the widget, on a whole pixel.
    QPoint origin() const { return corner; }

    QPoint toWidget(QPoint designed) const;
    // Each edge is rounded on its own, so parts that touch as designed touch when scaled.
    QRect toWidget(const QRect &designed) const;
    // A size and place inside a scaled part, relative to it.
    QRect toWidgetWithin(const QRect &designed) const;
    // A picture placed as a whole: its corner mapped, its size scaled, so it has the same size
    // wherever it lies.
    QRect toWidgetWhole(const QRect &designed) const;
    // The designed size that a widget of this size shows, in whole designed pixels.
    QSize designedSize(QSize widget) const;
    // The designed pixel that a widget point lies on.
    QPoint toDesigned(QPoint widget) const;

    friend bool operator==(const TableScale &, const TableScale &) = default;

private:
    TableScale(qreal scale, QPoint corner);
    int scaled(int length) const;

    qreal scale = 1;
    QPoint corner;
};

#pragma once

#include "TableScale.h"

#include <QFont>
#include <QHash>
#include <QRect>
#include <QSet>
#include <vector>

class QWidget;

// The parts of the table as designed: each part's designed geometry (within the table, or
// within the part it lies on) and font. The widgets take their geometry and font from these
// through the table's scale, so the layout stays in designed coordinates.
class ScaledParts
{
public:
    explicit ScaledParts(QWidget *table);

    const TableScale &scale() const { return current; }
    // Places every part again for a new scale; false when the scale is the same.
    bool rescale(const TableScale &scale);

    void place(QWidget *part, const QRect &designed);
    // A picture of one size wherever it lies (a card), its corner mapped and its size scaled.
    void placeWhole(QWidget *part, const QRect &designed);
    void moveTo(QWidget *part, QPoint designed);
    void resizeTo(QWidget *part, QSize designed);
    QRect designed(QWidget *part) const;
    // The part's present font is its designed one; it grows with the table.
    void keepFont(QWidget *part);

private:
    QRect toWidget(QWidget *part, const QRect &designed) const;

    QWidget *table;
    TableScale current;
    QHash<QWidget *, QRect> geometries;
    QSet<QWidget *> wholes;
    std::vector<std::pair<QWidget *, QFont>> fonts;
};

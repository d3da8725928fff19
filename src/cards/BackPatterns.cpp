#include "BackDesigns.h"

#include <QLinearGradient>
#include <QPainter>
#include <cmath>

namespace BackDesigns {

namespace {

// A weave of flat strands: cells alternate between strands running across and strands running
// down, so each strand seems to pass over one and under the next.
struct Weave
{
    QColor across;
    QColor down;
    QColor gap;
    qreal gapWidth;
    qreal cell;
    int strandsPerCell;
    qreal angle;
};

void paintStrand(QPainter &painter, const QRectF &strand, const QColor &colour, bool acrossCell)
{
    // Lighter in the middle, darker at the edges, like a rounded reed.
    QLinearGradient shade(strand.topLeft(), acrossCell ? strand.bottomLeft() : strand.topRight());
    shade.setColorAt(0, colour.darker(150));
    shade.setColorAt(0.45, colour.lighter(125));
    shade.setColorAt(1, colour.darker(170));
    painter.fillRect(strand, shade);
}

void paintWeave(QPainter &painter, QSizeF size, const Weave &weave)
{
    painter.fillRect(QRectF(QPointF(0, 0), size), weave.gap);
    painter.save();
    painter.translate(size.width() / 2, size.height() / 2);
    painter.rotate(weave.angle);
    const qreal reach = std::hypot(size.width(), size.height()) / 2;
    const int cells = int(std::ceil(reach / weave.cell)) + 1;
    const qreal pitch = weave.cell / weave.strandsPerCell;
    for (int row = -cells; row < cells; ++row) {
        for (int column = -cells; column < cells; ++column) {
            const bool acrossCell = (row + column) % 2 == 0;
            const QPointF corner(column * weave.cell, row * weave.cell);
            for (int strand = 0; strand < weave.strandsPerCell; ++strand) {
                const QRectF band = acrossCell
                    ? QRectF(corner + QPointF(0, strand * pitch + weave.gapWidth / 2),
                             QSizeF(weave.cell, pitch - weave.gapWidth))
                    : QRectF(corner + QPointF(strand * pitch + weave.gapWidth / 2, 0),
                             QSizeF(pitch - weave.gapWidth, weave.cell));
                paintStrand(painter, band, acrossCell ? weave.across : weave.down, acrossCell);
            }
        }
    }
    painter.restore();
}

}

void basketWeave(QPainter &painter, QSizeF size)
{
    paintWeave(painter, size,
               {QColor(40, 90, 200), QColor(240, 196, 40), QColor(40, 150, 60), 1.6, 9, 2, 0});
}

void redBlueWeave(QPainter &painter, QSizeF size)
{
    paintWeave(painter, size,
               {QColor(200, 30, 40), QColor(40, 70, 180), QColor(245, 240, 230), 0.6, 9, 3, 45});
}

QPointF scatteredPoint(int index, QSizeF size)
{
    // The plastic-number sequence spreads points evenly in two dimensions without visible rows.
    constexpr double StepX = 0.7548776662466927;
    constexpr double StepY = 0.5698402909980532;
    const double x = std::fmod(0.5 + index * StepX, 1.0);
    const double y = std::fmod(0.5 + index * StepY, 1.0);
    return {x * size.width(), y * size.height()};
}

}

#include "GolfWindowPlacement.h"

#include "GolfTable.h"

#include <algorithm>

namespace {

constexpr int SideMargins = 10;
constexpr int TableBelowColumns = 298;
constexpr int TaskBarAllowance = 20;
// The table of the window as designed, for the default layout.
constexpr QSize DesignedTable
    = QSize(GolfDefaultGeometry.width, GolfDefaultGeometry.height) - GameWindowChrome;

// Grows one side to its minimum unless the side is already as long as the limit.
int grow(int length, int minimum, int limit)
{
    return length < minimum && length < limit ? std::min(minimum, limit) : length;
}

}

QSize minimumWindowSize(GolfLayout layout)
{
    return {layout.columns * GolfTable::ColumnPitch + SideMargins,
            layout.rows * GolfTable::RowOverlap + TableBelowColumns};
}

QSize snapToLayout(QSize size, GolfLayout layout, QSize monitor)
{
    const QSize minimum = minimumWindowSize(layout);
    return {grow(size.width(), minimum.width(), monitor.width()),
            grow(size.height(), minimum.height(), monitor.height() - TaskBarAllowance)};
}

TableScale golfTableScale(QSize table, GolfLayout layout)
{
    const QSize least = minimumWindowSize(layout) - GameWindowChrome;
    return TableScale::filling(table, least.expandedTo(DesignedTable));
}

#pragma once

#include <QPoint>
#include <QSize>

// Where the Golf table shows its cards, stock, stock counter and result line, in the
// coordinates of the table (the window's client area below the menu).
namespace GolfTable {

inline constexpr QSize CardSize{71, 96};
inline constexpr int Margin = 5;
inline constexpr int ColumnPitch = 79;
inline constexpr int RowOverlap = 18;
inline constexpr int StockAboveBottom = 152;
inline constexpr int CounterBelowStock = 103;
inline constexpr int CounterRight = 79;
inline constexpr int FoundationRightOfStock = 79;
inline constexpr int FanStep = 15;
inline constexpr int CardsPerFanRow = 26;
inline constexpr int FanRowStep = 30;
inline constexpr int ResultWidth = 387;
inline constexpr int ResultAboveBottom = 25;

// The card dealt to column c (0-based), row r (0 at the top, covered by the rows below it).
constexpr QPoint columnCard(int column, int row)
{
    return {column * ColumnPitch + Margin, row * RowOverlap + Margin};
}

constexpr QPoint stock(int tableHeight)
{
    return {Margin, tableHeight - StockAboveBottom};
}

constexpr int counterTop(QPoint stock)
{
    return stock.y() + CounterBelowStock;
}

// The card that arrived as the position-th (1-based) on the foundation, which fans out to the
// right of the stock, a new row for every 26 cards.
constexpr QPoint foundationCard(int position, QPoint stock)
{
    const int index = position - 1;
    return {index % CardsPerFanRow * FanStep + stock.x() + FoundationRightOfStock,
            index / CardsPerFanRow * FanRowStep + stock.y()};
}

// The result line, centred near the bottom edge.
constexpr QPoint resultLine(QSize table, int lineWidth)
{
    return {table.width() / 2 - lineWidth / 2, table.height() - ResultAboveBottom};
}

}

#include "GolfPosition.h"

#include "GolfGame.h"

GolfPosition GolfPosition::of(const GolfGame &game)
{
    GolfPosition position;
    position.layout = game.layout();
    for (int c = 0; c < game.Columns(); ++c) {
        position.columnLen[c] = game.ColumnLen(c);
        for (int r = 0; r < game.Rows(); ++r)
            position.tableau[c][r] = game.Tableau(c, r);
    }
    position.stockCount = game.StockCount();
    for (int i = 0; i < position.layout.stockCards(); ++i)
        position.stock[i] = game.Stock(i);
    position.foundationCount = game.FoundationCount();
    for (int n = 1; n <= game.FoundationCount(); ++n)
        position.foundation[n - 1] = game.Foundation(n);
    return position;
}

GolfPosition GolfPosition::dealt(GolfLayout layout,
                                 const std::array<int, GolfLayout::DeckSize> &ids)
{
    GolfPosition position;
    position.layout = layout;
    int next = 0;
    for (int c = 0; c < layout.columns; ++c) {
        for (int r = 0; r < layout.rows; ++r)
            position.tableau[c][r] = ids[next++];
        position.columnLen[c] = layout.rows;
    }
    position.stockCount = layout.stockCards();
    for (int i = 0; i < position.stockCount; ++i)
        position.stock[i] = ids[next++];
    position.apply(GolfMove::turn());
    return position;
}

int GolfPosition::exposed(int column) const
{
    const int len = columnLen[column];
    return len > 0 ? tableau[column][len - 1] : -1;
}

bool GolfPosition::canPlay(int column) const
{
    return column >= 0 && column < layout.columns && columnLen[column] > 0
        && foundationCount > 0 && GolfGame::Fits(top(), exposed(column));
}

bool GolfPosition::allowed(GolfMove move) const
{
    return move.kind == GolfMove::Turn ? canTurn() : canPlay(move.column);
}

void GolfPosition::apply(GolfMove move)
{
    if (move.kind == GolfMove::Turn) {
        foundation[foundationCount++] = stock[--stockCount];
    } else {
        foundation[foundationCount++] = exposed(move.column);
        --columnLen[move.column];
    }
}

bool GolfPosition::takeBack()
{
    if (foundationCount <= 1)
        return false;
    const int card = top();
    --foundationCount;
    if (stockCount < layout.stockCards() && stock[stockCount] == card) {
        ++stockCount;
        return true;
    }
    for (int c = 0; c < layout.columns; ++c) {
        if (columnLen[c] < layout.rows && tableau[c][columnLen[c]] == card) {
            ++columnLen[c];
            return true;
        }
    }
    return true;
}

bool GolfPosition::over() const
{
    if (foundationCount == GolfLayout::DeckSize)
        return true;
    if (stockCount > 0)
        return false;
    for (int c = 0; c < layout.columns; ++c)
        if (canPlay(c))
            return false;
    return true;
}

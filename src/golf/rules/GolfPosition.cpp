#include "GolfPosition.h"

#include <cstdlib>

namespace {

constexpr int RanksPerSuit = 13;
constexpr int King = 11;
constexpr int Ace = 12;

}

bool GolfPosition::fits(int top, int id)
{
    const int t = top % RanksPerSuit;
    const int k = id % RanksPerSuit;
    const int d = std::abs(t - k);
    return (d == 1 || d == RanksPerSuit - 1) && t != King && !(t == Ace && k == King);
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

int GolfPosition::columnExposing(int id) const
{
    for (int c = 0; c < layout.columns; ++c)
        if (columnLen[c] > 0 && exposed(c) == id)
            return c;
    return -1;
}

bool GolfPosition::canPlay(int column) const
{
    return column >= 0 && column < layout.columns && columnLen[column] > 0 && foundationCount > 0
        && fits(top(), exposed(column));
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

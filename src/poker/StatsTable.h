#pragma once

#include "PokerHand.h"

#include <QString>
#include <array>

class QLabel;
class QWidget;
class ScaledParts;

// The pay table with the game's counts and amounts per hand rank and their totals, as a grid of
// transparent labels laid on the Poker table.
class StatsTable
{
public:
    // Header, one row per hand rank, totals.
    static constexpr int Rows = HandRankCount + 2;
    static constexpr int Columns = 4;

    // The labels are placed on the table through its scaled parts.
    StatsTable(QWidget *table, ScaledParts &parts);

    void show(const PokerScore &score);

    // Row -1 is the header, 0..9 the hand ranks, 10 the totals; columns count from 1.
    QString text(int row, int column) const;
    QLabel *label(int row, int column) const;

private:
    std::array<std::array<QLabel *, Columns>, Rows> labels{};
};

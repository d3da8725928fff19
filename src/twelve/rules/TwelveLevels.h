#pragma once

#include <array>

// How strongly the computer players play at each difficulty: the percentage chances that a turn
// starts in help mode and that a computer puts a random card instead of its weakest.
struct LevelRow
{
    double Difficulty;
    int HelpChance;
    int BlunderChance;
};

constexpr std::array<LevelRow, 7> LevelTable{{
    {1.0, 100, 50},
    {1.5, 66, 33},
    {2.0, 40, 20},
    {2.5, 26, 13},
    {3.0, 16, 8},
    {3.5, 8, 4},
    {4.0, 0, 0},
}};

// The row whose difficulty is exactly this one; nullptr for a value between the levels.
constexpr const LevelRow *levelRow(double difficulty)
{
    for (const LevelRow &row : LevelTable)
        if (row.Difficulty == difficulty)
            return &row;
    return nullptr;
}

// Percent draws are random(PercentDraw).
constexpr int PercentDraw = 100;
// A rank put more often than this lately keeps circulating: help the human.
constexpr int CirculatingRankCount = 3;
// Help mode holds only when a second draw is above this.
constexpr int HelpKeptAbove = 50;
// No computer bids more than this in help mode.
constexpr int HelpModeBidCap = 20;
// A computer wants its second-best card when random(100) >= Difficulty * slope + base.
constexpr double BestWantedSlope = 17.0;
constexpr double BestWantedBase = 33.0;
// Worth of a sold slot, and the worth a slot needs to be wanted at all.
constexpr int SoldWorth = -5;
constexpr int WantableWorthAbove = -3;

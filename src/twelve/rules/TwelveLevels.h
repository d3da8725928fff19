#pragma once

#include <array>

// How strongly the computer players play at each difficulty: the percentage chances that a turn
// starts in help mode and that a computer puts a random card instead of its weakest; and the
// turn of a round after which they stop helping, with their chance of a random put from then on.
struct LevelRow
{
    double Difficulty;
    int HelpChance;
    int BlunderChance;
    int SteadyAfterTurn;
    int SteadyShuffleChance;
};

// Help mode and blunders keep a round going for ever against a player who does not collect: at
// level 1 a random player's rounds lasted 190 turns in the median and up to 5,500. After
// SteadyAfterTurn the computers stop helping and play their best for the rest of the round.
// Each limit lies above the longest round that a player who plays by the computers' own measure
// met in 55,000 simulated rounds at that level (33, 33, 32, 36, 65, 90 and 279 turns).
// Playing their best, though, the computers can hold each other's missing cards for ever,
// passing the same spare cards round; so a few of their puts stay random: few enough that their
// hands come together, enough to free a held-up card. The upper levels, whose long rounds are
// such hold-ups, need more of them to end within a hundred turns or so.
// Level 8 thinks ahead instead (TwelveForesight): it neither blunders nor helps, and its long
// rounds, held up as the greedy levels' are, end the way the lower levels' do.
constexpr std::array<LevelRow, 8> LevelTable{{
    {1.0, 100, 50, 45, 12},
    {1.5, 66, 33, 45, 12},
    {2.0, 40, 20, 45, 12},
    {2.5, 26, 13, 45, 12},
    {3.0, 16, 8, 80, 25},
    {3.5, 8, 4, 110, 25},
    {4.0, 0, 0, 300, 25},
    {4.5, 0, 0, 45, 12},
}};
// A difficulty between the levels neither helps by chance nor blunders: as level 7.
constexpr LevelRow OffLevelRow{0.0, 0, 0, 300, 25};

// The difficulties the settings may hold: from level 1 to level 8, in halves.
constexpr double EasiestDifficulty = LevelTable.front().Difficulty;
constexpr double HardestDifficulty = LevelTable.back().Difficulty;
// Level 8: the computers sample the hands they cannot see and play each sample forward.
constexpr double ForesightDifficulty = 4.5;
// The strongest level that plays by the value of each card alone.
constexpr double GreedyHardestDifficulty = 4.0;

constexpr bool thinksAhead(double difficulty)
{
    return difficulty == ForesightDifficulty;
}

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

#pragma once

#include "TwelveRules.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

class StatisticsFile;

// What the statistics keep of Twelve for one level and scoring.
struct TwelveTally
{
    qint64 played = 0;
    // Games the player ended first, second, third and fourth; a game left unfinished counts
    // as fourth.
    std::array<qint64, SeatCount> places{};
    qint64 roundsWon = 0;
    // Games played to their end, and the sum of the player's final scores in them.
    qint64 finished = 0;
    qint64 scoreTotal = 0;

    friend bool operator==(const TwelveTally &, const TwelveTally &) = default;
};

// The Twelve part of the statistics file. A game counts as played from the player's first put;
// one left unfinished counts as lost (fourth) when the next game starts, unless it is the kept
// game that continues. Every change is written at once.
namespace TwelveStatistics {

struct Rules
{
    int level = 1;
    int scoring = SimpleScoring;

    friend bool operator==(const Rules &, const Rules &) = default;
};
Rules rulesOf(const TwelveGame &game);
QString section(Rules rules);

TwelveTally read(const StatisticsFile &file, Rules rules);
void write(StatisticsFile &file, Rules rules, const TwelveTally &tally);

// The player's place among the seats by their points: one more than the seats ahead of him.
int placeOf(const PerSeat<int> &points);

// The player put a card: the game under way is played from now on.
void moveMade(StatisticsFile &file, Rules rules);
// A round ended; the scores of every round so far are kept as the last game's.
void roundEnded(StatisticsFile &file, const TwelveGame &game);
// A game starts; unless the kept game continues, one left unfinished counts as lost.
void started(StatisticsFile &file, bool keptGameContinues);
// The game under way ended with these points.
void ended(StatisticsFile &file, const TwelveGame &game);
void reset(StatisticsFile &file);

// The seats' points after each round of the last game, from round 0 (the start) on, and their
// names; empty when no round has ended yet.
struct LastGame
{
    std::array<QString, SeatCount> names;
    std::vector<std::array<int, SeatCount>> points;
};
LastGame lastGame(const StatisticsFile &file);
// Every level and scoring, in the order the window shows them.
std::vector<Rules> allRules();

}

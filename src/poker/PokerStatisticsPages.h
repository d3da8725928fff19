#pragma once

#include "StatisticsWindow.h"

#include <vector>

class StatisticsFile;

// The bank of the game under way after each hand, from its start, and what a player who always
// kept the best hold could expect on the same deals.
struct PokerBankLine
{
    std::vector<qint64> bank;
    std::vector<double> perfect;
};

// The Poker statistics as the window shows them: the games, the hands, and the game under way.
QList<StatisticsPage> pokerStatisticsPages(const StatisticsFile &file, const PokerBankLine &line);

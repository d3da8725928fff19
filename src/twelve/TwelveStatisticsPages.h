#pragma once

#include "StatisticsWindow.h"

class StatisticsFile;

// The Twelve statistics as the window shows them: each level and scoring played, then the
// seats' points over the rounds of the last game.
QList<StatisticsPage> twelveStatisticsPages(const StatisticsFile &file);

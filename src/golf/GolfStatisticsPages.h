#pragma once

#include "StatisticsWindow.h"

class StatisticsFile;

// The Golf statistics as the window shows them: all layouts together, then each layout played.
QList<StatisticsPage> golfStatisticsPages(const StatisticsFile &file);

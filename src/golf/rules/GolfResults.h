#pragma once

#include "GolfGame.h"

#include <QString>
#include <array>

class IniFile;

// The results file "Golf.ere": per layout (section "Palya" + columns + "x" + rows) the games
// won, the games ended with 1-5, 6-10, ... cards left, and the games finished. It is read and
// written at each use; nothing of it is kept.
class GolfResultsFile : public GolfResultRecorder
{
public:
    // Wins, the seven buckets from 1-5 to 31-35 cards left, games finished. Higher buckets are
    // kept in the file but not shown.
    static constexpr int ShownRows = 9;
    static constexpr int ShownBuckets = ShownRows - 2;
    static constexpr int BucketWidth = 5;

    static QString section(GolfLayout layout);
    // "Lap_0_0" for a win, else "Lap_" + lo + "_" + hi of the bucket of five that holds it.
    static QString bucketKey(int cardsLeft);

    // A take-back never drives a count below zero (the scores may have been cleared since).
    void RecordResult(GolfLayout layout, int cardsLeft, int delta) override;
    static void recordResult(IniFile &file, GolfLayout layout, int cardsLeft, int delta);
    std::array<int, ShownRows> shownResults(GolfLayout layout) const;
    static std::array<int, ShownRows> shownResults(const IniFile &file, GolfLayout layout);
    void clearShownResults(GolfLayout layout);

private:
    static std::array<QString, ShownRows> shownKeys();
};

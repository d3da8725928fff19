#pragma once

#include "GolfGame.h"
#include "GolfStatistics.h"

#include "StatisticsFile.h"

#include <QString>
#include <optional>

class GolfResultsGate;

// Counts the window's games in the statistics file as they go, and passes each result on to the
// results file through the gate. Each step opens the file, changes it and writes it whole; a
// file that could not be read is set aside and the player told once. Steps that write may
// throw FileError.
class GolfStatisticsRecorder : public GolfResultRecorder
{
public:
    GolfStatisticsRecorder(GolfResultsGate &gate, QString path);

    StatisticsOpener file;

    void moveMade(GolfLayout layout);
    void hintTaken(GolfLayout layout);
    void dealt();
    // Set around each move Solve plays.
    void setSolverMoving(bool moving);
    void RecordResult(GolfLayout layout, int cardsLeft, int delta) override;

private:
    GolfResultsGate &gate;
    bool solverMoving = false;
    // A hint asked for before the first move: a hint alone does not make a game played.
    bool hintBeforeMove = false;
    // The file already holds the game under way.
    bool underWay = false;
    // What the counts were before the end just counted, for a Backup that takes it back.
    struct BeforeEnd
    {
        GolfTally layout;
        GolfTally all;
        GolfStatistics::Unfinished game;
    };
    std::optional<BeforeEnd> beforeEnd;
};

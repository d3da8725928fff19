#pragma once

#include "GolfGame.h"

// Passes the game's results on, except the end of a game that the solver played to its end:
// that end is not counted, and neither is its take-back by the next Backup.
class GolfResultsGate : public GolfResultRecorder
{
public:
    explicit GolfResultsGate(GolfResultRecorder &results)
        : results(results)
    { }

    void RecordResult(GolfLayout layout, int cardsLeft, int delta) override
    {
        if (delta > 0 && solverMoving) {
            endUncounted = true;
            return;
        }
        if (delta < 0 && endUncounted) {
            endUncounted = false;
            return;
        }
        results.RecordResult(layout, cardsLeft, delta);
    }

    // Set around each move the solver plays.
    void setSolverMoving(bool moving) { solverMoving = moving; }
    // A new deal has no uncounted end to take back.
    void newGame() { endUncounted = false; }

private:
    GolfResultRecorder &results;
    bool solverMoving = false;
    bool endUncounted = false;
};

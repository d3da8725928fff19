#include "GolfStatisticsRecorder.h"

#include "FileError.h"
#include "GolfResultsGate.h"
#include "StatisticsFile.h"

#include <exception>

GolfStatisticsRecorder::GolfStatisticsRecorder(GolfResultsGate &gate, QString path)
    : file(std::move(path))
    , gate(gate)
{ }

// Only the first move of a game opens the file.
void GolfStatisticsRecorder::moveMade(GolfLayout layout)
{
    if (underWay)
        return;
    StatisticsFile statistics = file.open();
    GolfStatistics::moveMade(statistics, layout, hintBeforeMove);
    hintBeforeMove = false;
    underWay = true;
}

void GolfStatisticsRecorder::hintTaken(GolfLayout layout)
{
    StatisticsFile statistics = file.open();
    hintBeforeMove = !GolfStatistics::hintTaken(statistics, layout);
}

void GolfStatisticsRecorder::dealt()
{
    beforeEnd.reset();
    hintBeforeMove = false;
    underWay = false;
    StatisticsFile statistics = file.open();
    GolfStatistics::dealt(statistics);
}

void GolfStatisticsRecorder::setSolverMoving(bool moving)
{
    solverMoving = moving;
    gate.setSolverMoving(moving);
}

// The results file is told even when the statistics cannot be written; then the statistics'
// error is reported.
void GolfStatisticsRecorder::RecordResult(GolfLayout layout, int cardsLeft, int delta)
{
    std::exception_ptr statisticsError;
    try {
        StatisticsFile statistics = file.open();
        if (delta > 0) {
            beforeEnd = BeforeEnd{GolfStatistics::read(statistics, GolfStatistics::section(layout)),
                                  GolfStatistics::read(statistics, GolfStatistics::AllLayouts),
                                  GolfStatistics::unfinished(statistics)
                                      .value_or(GolfStatistics::Unfinished{layout, false})};
            underWay = false;
            GolfStatistics::ended(statistics, layout, cardsLeft, solverMoving);
        } else if (beforeEnd) {
            GolfStatistics::endTakenBack(statistics, layout, beforeEnd->layout, beforeEnd->all,
                                         beforeEnd->game);
            beforeEnd.reset();
            underWay = true;
        }
    } catch (const FileError &) {
        statisticsError = std::current_exception();
    }
    gate.RecordResult(layout, cardsLeft, delta);
    if (statisticsError)
        std::rethrow_exception(statisticsError);
}

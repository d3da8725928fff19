#include "GolfStatisticsRecorder.h"

#include "FileError.h"
#include "GolfResultsGate.h"
#include "StatisticsFile.h"

#include <exception>

GolfStatisticsRecorder::GolfStatisticsRecorder(GolfResultsGate &gate, QString path)
    : gate(gate)
    , path(std::move(path))
{ }

StatisticsFile GolfStatisticsRecorder::open()
{
    StatisticsFile file(path);
    if (!file.problem().isEmpty() && !told && tell) {
        told = true;
        tell(file.problem());
    }
    return file;
}

void GolfStatisticsRecorder::moveMade(GolfLayout layout)
{
    StatisticsFile file = open();
    GolfStatistics::moveMade(file, layout);
}

void GolfStatisticsRecorder::hintTaken(GolfLayout layout)
{
    StatisticsFile file = open();
    GolfStatistics::hintTaken(file, layout);
}

void GolfStatisticsRecorder::dealt()
{
    beforeEnd.reset();
    StatisticsFile file = open();
    GolfStatistics::dealt(file);
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
        StatisticsFile file = open();
        if (delta > 0) {
            beforeEnd = BeforeEnd{GolfStatistics::read(file, GolfStatistics::section(layout)),
                                  GolfStatistics::read(file, GolfStatistics::AllLayouts),
                                  GolfStatistics::unfinished(file).value_or(
                                      GolfStatistics::Unfinished{layout, false})};
            GolfStatistics::ended(file, layout, cardsLeft, solverMoving);
        } else if (beforeEnd) {
            GolfStatistics::endTakenBack(file, layout, beforeEnd->layout, beforeEnd->all,
                                         beforeEnd->game);
            beforeEnd.reset();
        }
    } catch (const FileError &) {
        statisticsError = std::current_exception();
    }
    gate.RecordResult(layout, cardsLeft, delta);
    if (statisticsError)
        std::rethrow_exception(statisticsError);
}

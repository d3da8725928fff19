// The Twelve window's statistics: what it counts as the game goes, and the Statistics window.
#include "TwelveWindow.h"

#include "FileError.h"
#include "QuestionDialog.h"
#include "StatisticsWindow.h"
#include "TwelveStatistics.h"
#include "TwelveStatisticsPages.h"

void TwelveWindow::countInStatistics(const std::function<void(StatisticsFile &)> &step)
{
    try {
        StatisticsFile file = statistics.open();
        step(file);
    } catch (const FileError &error) {
        ShowOkMessage(error.message());
    }
}

void TwelveWindow::onStatistics()
{
    StatisticsWindow window(
        QStringLiteral("Twelve - Statistics"),
        [this] { return twelveStatisticsPages(statistics.open()); },
        [this] {
            if (AskYesNo(QStringLiteral("Are you sure you want to reset the Twelve statistics?"))
                != 'Y')
                return false;
            countInStatistics([](StatisticsFile &file) { TwelveStatistics::reset(file); });
            return true;
        },
        this);
    window.exec();
}

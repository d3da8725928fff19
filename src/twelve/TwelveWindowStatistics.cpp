// The Twelve window's Statistics window.
#include "TwelveWindow.h"

#include "QuestionDialog.h"
#include "StatisticsWindow.h"
#include "TwelveStatistics.h"
#include "TwelveStatisticsPages.h"

void TwelveWindow::onStatistics()
{
    StatisticsWindow window(
        QStringLiteral("Twelve - Statistics"),
        [this] { return twelveStatisticsPages(statistics.open()); },
        [this] {
            if (AskYesNo(QStringLiteral("Are you sure you want to reset the Twelve statistics?"))
                != 'Y')
                return false;
            statistics.count([](StatisticsFile &file) { TwelveStatistics::reset(file); });
            return true;
        },
        this);
    window.exec();
}

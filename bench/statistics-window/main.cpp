// Times opening each game's Statistics window, from nothing to shown and painted, with a
// record of 100,000 games of each: statistics-window [games]. The first window also loads the
// charts module. Run it from a Release build.
#include "DataDir.h"
#include "GolfStatistics.h"
#include "GolfStatisticsPages.h"
#include "PokerStatistics.h"
#include "PokerStatisticsPages.h"
#include "StatisticsFile.h"
#include "StatisticsWindow.h"
#include "TwelveStatistics.h"
#include "TwelveStatisticsPages.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <functional>

namespace {

constexpr qint64 DefaultGames = 100000;

// A record of this many games of every kind, spread over every layout and level.
void writeRecord(qint64 games)
{
    StatisticsFile file;
    for (int columns = 3; columns <= GolfLayout::MaxColumns; ++columns)
        for (int rows = 3; rows <= GolfLayout::MaxRows; ++rows) {
            GolfTally tally;
            for (qint64 game = 0; game < games / 50; ++game)
                GolfStatistics::add(tally, int(game % 23), GolfEnding::ByThePlayer);
            GolfStatistics::write(file, GolfStatistics::section({columns, rows}), tally);
        }
    PokerTally poker;
    poker.games = games;
    poker.bankTotal = games * 480;
    poker.bestBank = 1500;
    poker.hands = poker.staked = games * 1000;
    poker.paidBack = games * 4800;
    poker.dealt.fill(games * 100);
    poker.made.fill(games * 100);
    PokerStatistics::write(file, poker);
    for (const TwelveStatistics::Rules rules : TwelveStatistics::allRules())
        TwelveStatistics::write(file, rules, TwelveTally{games, {games / 4}, games, games, games});
    TwelveGame last;
    last.RoundNo = RoundCount;
    TwelveStatistics::roundEnded(file, last);
}

void timeOpening(const char *game, const std::function<QList<StatisticsPage>()> &pages)
{
    QElapsedTimer clock;
    clock.start();
    StatisticsWindow window(QString::fromLatin1(game), pages, [] { return false; });
    window.show();
    QCoreApplication::processEvents();
    window.repaint();
    std::printf("%-8s statistics window open and painted in %.1f ms\n", game,
                clock.nsecsElapsed() / 1e6);
}

}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const qint64 games = argc > 1 ? std::max(1LL, std::atoll(argv[1])) : DefaultGames;
    QTemporaryDir data;
    overrideDataDirForTests(data.path());
    writeRecord(games);

    PokerBankLine line{{500}, {500}};
    for (int hand = 1; hand <= 1000; ++hand) {
        line.bank.push_back(500 + hand % 37);
        line.perfect.push_back(500 - hand * 0.02);
    }
    timeOpening("Golf", [] { return golfStatisticsPages(StatisticsFile()); });
    timeOpening("Poker", [&] { return pokerStatisticsPages(StatisticsFile(), line); });
    timeOpening("Twelve", [] { return twelveStatisticsPages(StatisticsFile()); });
    return 0;
}

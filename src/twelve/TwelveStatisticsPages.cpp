#include "TwelveStatisticsPages.h"

#include "ChartMaker.h"
#include "StatisticsFile.h"
#include "StatisticsText.h"
#include "TwelveStatistics.h"

namespace {

// The seats' colours of the table's panels.
const std::array<QColor, SeatCount> SeatColours{QColor(200, 160, 0), QColor(0, 90, 170),
                                                QColor(170, 30, 30), QColor(20, 120, 40)};

StatisticsPage levelPage(TwelveStatistics::Rules rules, const TwelveTally &tally)
{
    using StatisticsText::percent;
    QList<StatisticsText::Row> rows{
        {QStringLiteral("Games played"), QString::number(tally.played)}};
    const QString places[]{QStringLiteral("Finished first"), QStringLiteral("Finished second"),
                           QStringLiteral("Finished third"), QStringLiteral("Finished fourth")};
    for (int place = 0; place < SeatCount; ++place)
        rows << StatisticsText::Row{places[place],
                                    QStringLiteral("%1 (%2)")
                                        .arg(tally.places[place])
                                        .arg(percent(tally.places[place], tally.played))};
    rows << StatisticsText::Row{QStringLiteral("Rounds won"), QString::number(tally.roundsWon)};
    rows << StatisticsText::Row{QStringLiteral("Average final score"),
                                tally.finished > 0 ? QString::number(
                                    double(tally.scoreTotal) / double(tally.finished), 'f', 1)
                                                   : QStringLiteral("-")};
    return {QStringLiteral("Level %1, %2")
                .arg(rules.level)
                .arg(rules.scoring == AverageScoring ? QStringLiteral("Average")
                                                     : QStringLiteral("Simple")),
            StatisticsText::table(rows),
            {}};
}

StatisticsPage lastGamePage(const TwelveStatistics::LastGame &game)
{
    QList<StatisticsText::Row> rows;
    const std::array<int, SeatCount> &last = game.points.back();
    for (int seat = 0; seat < SeatCount; ++seat)
        rows << StatisticsText::Row{game.names[seat], QString::number(last[seat])};
    rows << StatisticsText::Row{QStringLiteral("Rounds"), QString::number(game.points.size() - 1)};
    QList<ChartMaker::Line> lines;
    for (int seat = 0; seat < SeatCount; ++seat) {
        ChartMaker::Line line{game.names[seat], SeatColours[seat], {}};
        for (std::size_t round = 0; round < game.points.size(); ++round)
            line.points << QPointF(qreal(round), qreal(game.points[round][seat]));
        lines << line;
    }
    return {QStringLiteral("Last game"), StatisticsText::table(rows),
            [lines](ChartMaker &maker, QWidget *parent) {
                return maker.lineChart(QStringLiteral("Points after each round"),
                                       QStringLiteral("Round"), QStringLiteral("Points"), lines,
                                       parent);
            }};
}

}

QList<StatisticsPage> twelveStatisticsPages(const StatisticsFile &file)
{
    QList<StatisticsPage> pages;
    for (const TwelveStatistics::Rules rules : TwelveStatistics::allRules()) {
        const TwelveTally tally = TwelveStatistics::read(file, rules);
        if (tally.played > 0)
            pages << levelPage(rules, tally);
    }
    const TwelveStatistics::LastGame last = TwelveStatistics::lastGame(file);
    if (!last.points.empty())
        pages << lastGamePage(last);
    if (pages.isEmpty())
        pages << StatisticsPage{
            QStringLiteral("Games"), QStringLiteral("No game of Twelve has been played yet."), {}};
    return pages;
}

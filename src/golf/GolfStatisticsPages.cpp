#include "GolfStatisticsPages.h"

#include "ChartMaker.h"
#include "GolfStatistics.h"
#include "StatisticsFile.h"
#include "StatisticsText.h"

namespace {

QString streakText(qint64 streak)
{
    if (streak > 0)
        return streak == 1 ? QStringLiteral("1 won") : QStringLiteral("%1 won").arg(streak);
    if (streak < 0)
        return streak == -1 ? QStringLiteral("1 lost") : QStringLiteral("%1 lost").arg(-streak);
    return QStringLiteral("-");
}

StatisticsPage page(const QString &title, const GolfTally &tally)
{
    using StatisticsText::percent;
    qint64 finished = 0;
    int mostLeft = 0;
    for (int cards = 0; cards <= GolfLayout::DeckSize; ++cards) {
        finished += tally.left[cards];
        if (tally.left[cards] > 0)
            mostLeft = cards;
    }
    const QList<StatisticsText::Row> rows{
        {QStringLiteral("Games played"), QString::number(tally.played)},
        {QStringLiteral("Games won"), QString::number(tally.won)},
        {QStringLiteral("Won"), percent(tally.won, tally.played)},
        {QStringLiteral("Won after hints"), QString::number(tally.wonWithHints)},
        {QStringLiteral("Finished by Solve"), QString::number(tally.solved)},
        {QStringLiteral("Current streak"), streakText(tally.streak)},
        {QStringLiteral("Longest winning streak"), QString::number(tally.longestWinning)},
        {QStringLiteral("Longest losing streak"), QString::number(tally.longestLosing)},
        {QStringLiteral("Fewest cards left"),
         tally.fewestLeft ? QString::number(*tally.fewestLeft) : QStringLiteral("-")},
    };
    StatisticsPage shown{title, StatisticsText::table(rows), {}};
    if (finished == 0)
        return shown;
    QStringList labels;
    QList<qreal> shares;
    for (int cards = 0; cards <= mostLeft; ++cards) {
        labels << QString::number(cards);
        shares << qreal(tally.left[cards]) / qreal(finished);
    }
    shown.chart = [labels, shares](ChartMaker &maker, QWidget *parent) {
        return maker.barChart(QStringLiteral("Games by the cards they left"), labels, shares,
                              parent);
    };
    return shown;
}

}

QList<StatisticsPage> golfStatisticsPages(const StatisticsFile &file)
{
    QList<StatisticsPage> pages{page(QStringLiteral("All layouts"),
                                     GolfStatistics::read(file, GolfStatistics::AllLayouts))};
    for (int columns = 1; columns <= GolfLayout::MaxColumns; ++columns)
        for (int rows = 1; rows <= GolfLayout::MaxRows; ++rows) {
            const GolfTally tally
                = GolfStatistics::read(file, GolfStatistics::section({columns, rows}));
            if (tally.played > 0)
                pages << page(QStringLiteral("%1 x %2").arg(columns).arg(rows), tally);
        }
    return pages;
}

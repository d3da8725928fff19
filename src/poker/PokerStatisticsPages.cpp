#include "PokerStatisticsPages.h"

#include "ChartMaker.h"
#include "PokerStatistics.h"
#include "StatisticsFile.h"
#include "StatisticsText.h"

namespace {

using StatisticsText::percent;

QString dollars(qint64 amount)
{
    return (amount < 0 ? QStringLiteral("-$") : QStringLiteral("$"))
        + QString::number(qAbs(amount));
}

StatisticsPage gamesPage(const PokerTally &tally)
{
    const QList<StatisticsText::Row> rows{
        {QStringLiteral("Games of 1000 hands finished"), QString::number(tally.games)},
        {QStringLiteral("Average final bank"),
         tally.games > 0 ? dollars(qRound64(double(tally.bankTotal) / double(tally.games)))
                         : QStringLiteral("-")},
        {QStringLiteral("Best final bank"),
         tally.bestBank ? dollars(*tally.bestBank) : QStringLiteral("-")},
        {QStringLiteral("Hands played"), QString::number(tally.hands)},
        {QStringLiteral("Money staked"), dollars(tally.staked)},
        {QStringLiteral("Money paid back"), dollars(tally.paidBack)},
        {QStringLiteral("Return"), percent(tally.paidBack, tally.staked)},
    };
    return {QStringLiteral("Games"), StatisticsText::table(rows), {}};
}

StatisticsPage handsPage(const PokerTally &tally)
{
    QString text = QStringLiteral("<table cellspacing=\"4\"><tr><th align=\"left\">Hand</th>"
                                  "<th>Dealt</th><th>Expected when dealt</th><th>Made</th></tr>");
    QStringList labels;
    QList<qreal> shares;
    for (int rank = 0; rank < HandRankCount; ++rank) {
        const QString name = QString::fromLatin1(PayTable[rank].name);
        text += QStringLiteral("<tr><td>%1</td><td align=\"right\">%2 (%3)</td>"
                               "<td align=\"right\">%4</td><td align=\"right\">%5 (%6)</td></tr>")
                    .arg(name.toHtmlEscaped())
                    .arg(tally.dealt[rank])
                    .arg(percent(tally.dealt[rank], tally.hands))
                    .arg(percent(PokerStatistics::DealsOfRank[rank], PokerStatistics::AllDeals))
                    .arg(tally.made[rank])
                    .arg(percent(tally.made[rank], tally.hands));
        labels << name;
        shares << (tally.hands > 0 ? qreal(tally.made[rank]) / qreal(tally.hands) : 0);
    }
    text += QStringLiteral("</table>");
    StatisticsPage page{QStringLiteral("Hands"), text, {}};
    if (tally.hands > 0)
        page.chart = [labels, shares](ChartMaker &maker, QWidget *parent) {
            return maker.barChart(QStringLiteral("Hands made after the draw"), labels, shares,
                                  parent);
        };
    return page;
}

StatisticsPage gameUnderWayPage(const PokerBankLine &line)
{
    const qint64 hands = qint64(line.bank.size()) - 1;
    const QList<StatisticsText::Row> rows{
        {QStringLiteral("Hands played"), QString::number(hands)},
        {QStringLiteral("Bank"), dollars(line.bank.back())},
        {QStringLiteral("Best play could expect"), dollars(qRound64(line.perfect.back()))},
    };
    ChartMaker::Line bank{QStringLiteral("Your bank"), QColor(0, 0, 128), {}};
    ChartMaker::Line perfect{QStringLiteral("Best play, expected"), QColor(128, 0, 0), {}, true};
    for (std::size_t hand = 0; hand < line.bank.size(); ++hand) {
        bank.points << QPointF(qreal(hand), qreal(line.bank[hand]));
        perfect.points << QPointF(qreal(hand), line.perfect[hand]);
    }
    return {QStringLiteral("This game"), StatisticsText::table(rows),
            [lines = QList<ChartMaker::Line>{bank, perfect}](ChartMaker &maker, QWidget *parent) {
                return maker.lineChart(QStringLiteral("Bank after each hand"),
                                       QStringLiteral("Hand"), QStringLiteral("Dollars"), lines,
                                       parent);
            }};
}

}

QList<StatisticsPage> pokerStatisticsPages(const StatisticsFile &file, const PokerBankLine &line)
{
    const PokerTally tally = PokerStatistics::read(file);
    QList<StatisticsPage> pages{gamesPage(tally), handsPage(tally)};
    if (!line.bank.empty())
        pages << gameUnderWayPage(line);
    return pages;
}

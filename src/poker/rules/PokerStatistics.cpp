#include "PokerStatistics.h"

#include "StatisticsFile.h"

#include <algorithm>
#include <limits>

namespace PokerStatistics {

namespace {

const QString Section = QStringLiteral("Poker");

QString dealtKey(int rank)
{
    return QStringLiteral("Dealt%1").arg(rank);
}

QString madeKey(int rank)
{
    return QStringLiteral("Made%1").arg(rank);
}

}

PokerTally read(const StatisticsFile &file)
{
    const auto count
        = [&](const QString &key) { return std::max<qint64>(0, file.count(Section, key)); };
    PokerTally tally;
    tally.games = count(QStringLiteral("Games"));
    tally.bankTotal = file.count(Section, QStringLiteral("BankTotal"));
    const qint64 none = std::numeric_limits<qint64>::min();
    if (const qint64 best = file.count(Section, QStringLiteral("BestBank"), none); best != none)
        tally.bestBank = best;
    tally.hands = count(QStringLiteral("Hands"));
    tally.staked = count(QStringLiteral("Staked"));
    tally.paidBack = count(QStringLiteral("PaidBack"));
    for (int rank = 0; rank < HandRankCount; ++rank) {
        tally.dealt[rank] = count(dealtKey(rank));
        tally.made[rank] = count(madeKey(rank));
    }
    return tally;
}

void write(StatisticsFile &file, const PokerTally &tally)
{
    file.setCount(Section, QStringLiteral("Games"), tally.games);
    file.setCount(Section, QStringLiteral("BankTotal"), tally.bankTotal);
    if (tally.bestBank)
        file.setCount(Section, QStringLiteral("BestBank"), *tally.bestBank);
    file.setCount(Section, QStringLiteral("Hands"), tally.hands);
    file.setCount(Section, QStringLiteral("Staked"), tally.staked);
    file.setCount(Section, QStringLiteral("PaidBack"), tally.paidBack);
    for (int rank = 0; rank < HandRankCount; ++rank) {
        file.setCount(Section, dealtKey(rank), tally.dealt[rank]);
        file.setCount(Section, madeKey(rank), tally.made[rank]);
    }
}

void handPaid(StatisticsFile &file, HandRank dealt, HandRank made, int stake)
{
    PokerTally tally = read(file);
    ++tally.hands;
    tally.staked += stake;
    tally.paidBack += PayTable[made].payout;
    ++tally.dealt[dealt];
    ++tally.made[made];
    write(file, tally);
    file.save();
}

void gameFinished(StatisticsFile &file, qint64 bank)
{
    PokerTally tally = read(file);
    ++tally.games;
    tally.bankTotal += bank;
    tally.bestBank = std::max(tally.bestBank.value_or(bank), bank);
    write(file, tally);
    file.save();
}

void reset(StatisticsFile &file)
{
    file.erase(Section);
    file.save();
}

}

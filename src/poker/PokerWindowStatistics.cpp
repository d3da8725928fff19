// The Poker window's statistics: the hands and games it counts, the bank of the game under way
// with what best play could expect on its deals, and the Statistics window.
#include "PokerWindow.h"

#include "PokerStatistics.h"
#include "PokerStatisticsPages.h"
#include "QuestionDialog.h"
#include "StatisticsWindow.h"

#include <algorithm>

void PokerWindow::startBankLine()
{
    const qint64 money = pokerGame.score().Money;
    bankLine = {{money}, {double(money)}};
    gameCounted = false;
}

void PokerWindow::handDealtForStatistics()
{
    dealtRank = classifyHand(pokerGame.hand());
    bestPlayGain.reset();
    handCounted = false;
}

void PokerWindow::countHand()
{
    if (handCounted)
        return;
    handCounted = true;
    const HandRank made = pokerGame.lastRank();
    statistics.count([&](StatisticsFile &file) {
        PokerStatistics::handPaid(file, dealtRank, made, PokerGame::Stake);
    });
    // A hand drawn before the coach valued it counts at what it paid.
    const double gain = bestPlayGain.value_or(PayTable[made].payout);
    bankLine.bank.push_back(pokerGame.score().Money);
    bankLine.perfect.push_back(bankLine.perfect.back() + gain - PokerGame::Stake);
}

void PokerWindow::countGame()
{
    if (gameCounted)
        return;
    gameCounted = true;
    statistics.count([this](StatisticsFile &file) {
        PokerStatistics::gameFinished(file, pokerGame.score().Money);
    });
}

void PokerWindow::showStatistics()
{
    StatisticsWindow window(
        QStringLiteral("Kovra - Poker - Statistics"),
        [this] { return pokerStatisticsPages(statistics.open(), bankLine); },
        [this] {
            if (AskYesNo(QStringLiteral("Are you sure you want to reset the Poker statistics?"))
                != 'Y')
                return false;
            statistics.count([](StatisticsFile &file) { PokerStatistics::reset(file); });
            return true;
        },
        this);
    window.exec();
}

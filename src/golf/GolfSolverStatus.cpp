#include "GolfSolverStatus.h"

namespace {

QString cards(int count)
{
    return count == 1 ? QStringLiteral("1 card") : QStringLiteral("%1 cards").arg(count);
}

QString moves(int count)
{
    return count == 1 ? QStringLiteral("1 move") : QStringLiteral("%1 moves").arg(count);
}

}

QString solverStatusText(const GolfAdvice &advice)
{
    if (!advice.gameOver) {
        return advice.fewestCardsLeft == 0
            ? QStringLiteral("This deal can still be won")
            : QStringLiteral("At best %1 can be left").arg(cards(advice.fewestCardsLeft));
    }
    if (advice.movesBack == 0)
        return QStringLiteral("No line of this deal leaves fewer cards");
    if (advice.fewestCardsLeft == 0)
        return QStringLiteral("Back up %1 to reach a winnable position").arg(moves(advice.movesBack));
    return QStringLiteral("Back up %1 to leave only %2")
        .arg(moves(advice.movesBack), cards(advice.fewestCardsLeft));
}

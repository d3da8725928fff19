#pragma once

#include "TwelveTurn.h"

#include <string>

// Checks the bookkeeping of a running game after every step and stops the program on the first
// broken rule, naming it.
class InvariantCheck
{
public:
    explicit InvariantCheck(const TwelveGame &game);

    void roundStarted();
    // Call just before the step that delivers the sold card.
    void delivering(int seat) { ++received[seat]; }
    // Call just before every step, and afterStep right after it.
    void beforeStep();
    void afterStep(TurnState state);

private:
    void checkCards() const;
    void checkScores(int fromRound) const;
    void checkTurnEnd() const;
    void checkPrizes() const;
    [[noreturn]] void fail(const std::string &what) const;

    const TwelveGame &game;
    PerSeat<int> scoresBefore{};
    PerSeat<bool> put{};
    PerSeat<int> received{};
    int turnNo = 0;
    bool turnRunning = false;
};

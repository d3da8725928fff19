#include "PokerGame.h"

#include "Random.h"

#include <algorithm>

namespace {

constexpr int DeckSize = 52;

}

PokerGame::PokerGame(Random &random)
    : generator(random)
{ }

void PokerGame::newGame()
{
    PokerScore fresh;
    fresh.Money = StartingMoney;
    restore(fresh);
}

void PokerGame::restore(const PokerScore &score)
{
    tally = score;
    evaluated = Runt;
    saved = true;
    nextHand();
}

void PokerGame::setMarked(int position, bool marked)
{
    if (currentPhase == PokerPhase::WaitingForDraw)
        marks[position] = marked;
}

void PokerGame::invertMarks()
{
    if (currentPhase != PokerPhase::WaitingForDraw)
        return;
    for (bool &mark : marks)
        mark = !mark;
}

bool PokerGame::proceed()
{
    switch (currentPhase) {
    case PokerPhase::WaitingForDraw:
        replaceFlags = marks;
        marks.fill(false);
        if (std::ranges::find(replaceFlags, true) != replaceFlags.end())
            currentPhase = PokerPhase::Drawing;
        else
            evaluateHand();
        return true;
    case PokerPhase::ResultShown:
        replaceFlags.fill(true);
        currentPhase = PokerPhase::ClearingAway;
        return true;
    default:
        return false;
    }
}

void PokerGame::slideFinished()
{
    if (currentPhase == PokerPhase::Drawing) {
        dealCards(true);
        evaluateHand();
    } else if (currentPhase == PokerPhase::ClearingAway) {
        replaceFlags.fill(false);
        nextHand();
    }
}

bool PokerGame::stakeOutstanding() const
{
    return currentPhase == PokerPhase::WaitingForDraw || currentPhase == PokerPhase::Drawing;
}

void PokerGame::nextHand()
{
    marks.fill(false);
    replaceFlags.fill(false);
    if (tally.HandsPlayed() >= HandsPerGame) {
        currentPhase = PokerPhase::GameOver;
        return;
    }
    tally.Money -= Stake;
    dealCards(false);
    currentPhase = PokerPhase::WaitingForDraw;
}

// A replacement differs from all five cards held before the draw, kept or discarded, so no
// discarded card can come back.
void PokerGame::dealCards(bool replacing)
{
    std::array<bool, DeckSize> used{};
    if (replacing) {
        for (const int card : cards)
            used[card] = true;
    }
    for (int position = 0; position < CardsInHand; ++position) {
        if (replacing && !replaceFlags[position])
            continue;
        int card;
        do
            card = generator.random(DeckSize);
        while (used[card]);
        used[card] = true;
        cards[position] = card;
        replaceFlags[position] = false;
    }
}

void PokerGame::evaluateHand()
{
    evaluated = classifyHand(cards);
    tally.ApplyResult(evaluated);
    saved = false;
    currentPhase = PokerPhase::ResultShown;
}

#pragma once

#include "PokerHand.h"

class Random;

// Where a hand stands. The two sliding phases let the window animate cards between the player's
// Ok and the next change of the cards.
enum class PokerPhase {
    WaitingForDraw, // five cards dealt, the player marks the ones to discard
    Drawing, // the marked cards are sliding away; their replacements come next
    ResultShown, // the final hand is evaluated, paid and shown
    ClearingAway, // all five cards are sliding away before the next hand
    GameOver
};

// A game of five-card draw: a stake per hand, one draw, payout from the pay table, a fixed
// number of hands per game. Plain rules and state; the window shows it and feeds it clicks.
class PokerGame
{
public:
    static constexpr int HandsPerGame = 1000;
    static constexpr int Stake = 5;
    static constexpr int StartingMoney = 500;

    explicit PokerGame(Random &random);

    // Starts afresh and deals the first hand (its stake already taken).
    void newGame();
    // Continues a saved game with a fresh hand, or ends it at once when its hands are played.
    void restore(const PokerScore &score);

    PokerPhase phase() const { return currentPhase; }
    bool isOver() const { return currentPhase == PokerPhase::GameOver; }
    const PokerCards &hand() const { return cards; }
    const PokerScore &score() const { return tally; }
    // The rank of the hand evaluated last (Runt before the first one).
    HandRank lastRank() const { return evaluated; }

    // Discard marks can be changed only while the player decides.
    bool isMarked(int position) const { return marks[position]; }
    void setMarked(int position, bool marked);
    void invertMarks();

    // The player's Ok. While waiting for the draw, the marked cards start sliding away, or the
    // hand is evaluated at once when none is marked; on a shown result all five start sliding.
    // Returns false when there is nothing to proceed with.
    bool proceed();
    // The sliding cards have left the table: replaces them and evaluates, or deals the next hand.
    void slideFinished();
    // The positions whose cards are sliding away.
    bool isSliding(int position) const { return replaceFlags[position]; }

    // A stake has been taken for a hand that is not paid yet.
    bool stakeOutstanding() const;
    // Saving makes sense until the last hand has been evaluated.
    bool canSave() const { return tally.HandsPlayed() < HandsPerGame; }
    // Nothing changed since the last new game, load or save.
    bool isSaved() const { return saved; }
    void markSaved() { saved = true; }
    // A finished game with money left enters the best-scores list.
    bool offersBestScore() const { return isOver() && tally.Money > 0; }

private:
    void nextHand();
    void dealCards(bool replacing);
    void evaluateHand();

    Random &generator;
    PokerScore tally;
    PokerCards cards{};
    std::array<bool, CardsInHand> marks{};
    std::array<bool, CardsInHand> replaceFlags{};
    PokerPhase currentPhase = PokerPhase::WaitingForDraw;
    HandRank evaluated = Runt;
    bool saved = true;
};

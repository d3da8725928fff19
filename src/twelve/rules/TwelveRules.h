#pragma once

#include <array>
#include <string>

class Random;

// The state of a Twelve game and the rules that do not depend on the screen: the deal, hand
// evaluation, round ranking with prizes and the final score. Seats and slots count from 1, as
// the players see them; index 0 of every per-seat table is unused.

constexpr int SeatCount = 4;
constexpr int SlotCount = 4;
constexpr int CardCount = 52;
constexpr int SuitCount = 4;
constexpr int RankCount = 13;
constexpr int HandSize = 13;
constexpr int RunLength = 3;
constexpr int TwelveValue = RunLength * SuitCount;
constexpr int RoundCount = 11;
constexpr int StartingPoints = 1000;
constexpr int NotPlayed = -1;
constexpr int HumanSeat = 1;
// A round still going after this many turns ends drawn: whatever a player holds back, every
// round ends.
constexpr int DrawnRoundTurns = 150;
// A round also ends drawn once every twelve needs a card the human has kept this many turns:
// while he holds them up, nobody can collect one.
constexpr int HeldUpTurns = 60;

// Points for places 1..4 at the end of a round.
constexpr std::array<int, SeatCount + 1> PrizeTable{0, 100, 50, 25, 0};
// Tie-break weight of each rank, two to ace.
constexpr std::array<int, RankCount> RankValue{2, 3, 4, 5, 6, 7, 8, 9, 10, 10, 10, 10, 11};

// "Average based" scoring: the human's distance to the table average around this base, scaled.
constexpr double AverageScoringBase = 1000.0;
constexpr double AverageScoringFactor = 1.3;

enum ScoringModes { SimpleScoring = 1, AverageScoring = 2 };

constexpr int suitOf(int card)
{
    return card / RankCount;
}
constexpr int rankOf(int card)
{
    return card % RankCount;
}
constexpr int cardOf(int suit, int rank)
{
    return suit * RankCount + rank;
}
// Ranks wrap: the rank after the ace is the two.
constexpr int rankAfter(int rank, int steps)
{
    return (rank + steps) % RankCount;
}

using Hand = std::array<bool, CardCount>;
template<typename T> using PerSeat = std::array<T, SeatCount + 1>;
template<typename T> using PerSlot = std::array<T, SlotCount + 1>;

// The card a seat put into the middle in the current turn; slot k belongs to seat k.
struct TurnSlotRecord
{
    int Suit = 0;
    int Rank = 0;
    int Card = 0;
    int BackSlot = 0; // back picture of the seat's hand that stood for this card
    int MoveState = 0; // MoveNotPut, MoveTravelling or MoveArrived
    int Markers = 0; // seats that currently want this card
    bool FaceUp = false; // face up in the middle and unsold
};

enum MoveStates { MoveNotPut = 0, MoveTravelling = 2, MoveArrived = 10 };

// The best run of a hand and its result at the end of a round.
struct HandRunRecord
{
    int Start = 0;
    int Value = 0;
    int Length = 0;
    int TieBreak = 0;
    int Place = 0;
    int Prize = 0;
};

struct TwelveGame
{
    // Kept across games: the settings and the last result.
    double Difficulty = 1.0;
    int ScoringMode = SimpleScoring;
    int FinalScore = 0;
    PerSeat<std::string> PlayerNames{"", "Player", "John", "Paul", "Eric"};

    PerSeat<Hand> Holding{};
    PerSlot<TurnSlotRecord> TurnSlot{};
    PerSeat<HandRunRecord> HandRun{};

    PerSeat<int> Wanted{};
    PerSeat<bool> Bought{};
    PerSeat<bool> InAuction{};
    PerSeat<PerSlot<int>> CardWorth{};
    PerSeat<PerSlot<int>> MaxBid{};
    std::array<int, RankCount> RankPutCount{};
    // The turn since which the human holds each of his cards; a card he takes back after
    // putting it stays his since before.
    std::array<int, CardCount> HumanSince{};
    // The seat each card was last seen going to in this round, sold from the middle in view of
    // the whole table; 0 while only its holder knows where it is.
    std::array<int, CardCount> SeenWith{};
    // The seat that last put each card in this round, as the table saw when it turned up; 0
    // for a card nobody has put yet.
    std::array<int, CardCount> SeenFrom{};

    int AuctionSlot = 0;
    int Bid = 0;
    int Leader = 0;
    bool HumanNoMore = false;
    bool AtAllCosts = false;
    bool TurnOver = false;
    bool HelpMode = false;
    int HelpCard = 0;

    std::array<PerSeat<int>, RoundCount + 1> Scores{};
    int RoundNo = 0;
    int TurnNo = 0; // turns started in the current round
    bool GameOver = false;
};

int heldCount(const Hand &hand);

// Resets everything but the settings, the names and the last final score; rounds start at 0.
void NewGame(TwelveGame &game);
// Moves to the next round: carries the scores over, forgets the put ranks and deals. False,
// and nothing changes, once the last round has been played.
bool NextRound(TwelveGame &game, Random &random);
void Deal(TwelveGame &game, Random &random);

HandRunRecord evaluateHand(const Hand &hand);
// Fills HandRun of every seat; true when a seat holds a twelve.
bool EvaluateHands(TwelveGame &game);
// Places the seats by their runs and pays the prizes into the current score row.
void RankRound(TwelveGame &game);
// Ends a round without a twelve: nobody is placed or paid, everybody keeps his points.
void DrawRound(TwelveGame &game);
// Whether no seat holds a twelve by the evaluated runs: at the end of a round, a drawn round.
bool roundDrawn(const TwelveGame &game);
// Whether every window of three ranks holds a card the human has kept HeldUpTurns turns.
bool heldUp(const TwelveGame &game);

int finalScoreOf(const PerSeat<int> &lastRow, int scoringMode);
// Ends the game after the last round has been confirmed; false, and nothing changes, before the
// last round or once the game is over.
bool EndGame(TwelveGame &game);

double roundHalfToEven(double value);
// Level 1..7 shown to the player for a difficulty of 1.0..4.0.
int difficultyLevel(double difficulty);
std::string scoringCode(int scoringMode);
std::string scoringName(int scoringMode);

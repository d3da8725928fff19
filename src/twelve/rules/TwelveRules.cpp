#include "TwelveRules.h"

#include "Random.h"

#include <algorithm>
#include <cmath>
#include <numeric>

int heldCount(const Hand &hand)
{
    return static_cast<int>(std::count(hand.begin(), hand.end(), true));
}

void NewGame(TwelveGame &game)
{
    TwelveGame fresh;
    fresh.Difficulty = game.Difficulty;
    fresh.ScoringMode = game.ScoringMode;
    fresh.FinalScore = game.FinalScore;
    fresh.PlayerNames = game.PlayerNames;
    for (int round = 1; round <= RoundCount; ++round)
        for (int seat = 1; seat <= SeatCount; ++seat)
            fresh.Scores[round][seat] = round == 1 ? StartingPoints : NotPlayed;
    game = fresh;
}

bool NextRound(TwelveGame &game, Random &random)
{
    if (game.RoundNo >= RoundCount)
        return false;
    ++game.RoundNo;
    if (game.RoundNo > 1)
        game.Scores[game.RoundNo] = game.Scores[game.RoundNo - 1];
    game.RankPutCount.fill(0);
    game.TurnNo = 0;
    Deal(game, random);
    return true;
}

void Deal(TwelveGame &game, Random &random)
{
    for (auto &hand : game.Holding)
        hand.fill(false);
    game.HumanSince.fill(0);
    game.SeenWith.fill(0);
    game.SeenFrom.fill(0);
    PerSeat<int> dealt{};
    for (int card = 0; card < CardCount; ++card) {
        int seat;
        do
            seat = random.random(SeatCount) + 1;
        while (dealt[seat] == HandSize);
        ++dealt[seat];
        game.Holding[seat][card] = true;
    }
}

namespace {

// Length of the run of held ranks from start in one suit, at most a full run.
int runFrom(const Hand &hand, int suit, int start)
{
    int length = 0;
    while (length < RunLength && hand[cardOf(suit, rankAfter(start, length))])
        ++length;
    return length;
}

int runWeight(int start, int length)
{
    int weight = 0;
    for (int step = 0; step < length; ++step)
        weight += RankValue[rankAfter(start, step)];
    return weight;
}

} // namespace

HandRunRecord evaluateHand(const Hand &hand)
{
    HandRunRecord best;
    best.TieBreak = -1;
    for (int start = 0; start < RankCount; ++start) {
        std::array<int, SuitCount> runs{};
        for (int suit = 0; suit < SuitCount; ++suit)
            runs[suit] = runFrom(hand, suit, start);
        for (int length = RunLength; length >= 1; --length) {
            const int suits = static_cast<int>(
                std::count_if(runs.begin(), runs.end(), [&](int run) { return run >= length; }));
            const int value = length * suits;
            const int tieBreak = suits > 0 ? suits * runWeight(start, length) : 0;
            // Among equal candidates the one examined last wins.
            if (value > best.Value || (value == best.Value && tieBreak >= best.TieBreak)) {
                best.Value = value;
                best.Length = length;
                best.Start = start;
                best.TieBreak = tieBreak;
            }
        }
    }
    return best;
}

bool EvaluateHands(TwelveGame &game)
{
    bool twelve = false;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        game.HandRun[seat] = evaluateHand(game.Holding[seat]);
        twelve = twelve || game.HandRun[seat].Value == TwelveValue;
    }
    return twelve;
}

namespace {

bool ranksAbove(const HandRunRecord &candidate, const HandRunRecord &pick)
{
    if (candidate.Value != pick.Value)
        return candidate.Value > pick.Value;
    if (candidate.TieBreak != pick.TieBreak)
        return candidate.TieBreak > pick.TieBreak;
    return candidate.Start > pick.Start;
}

} // namespace

void DrawRound(TwelveGame &game)
{
    for (int seat = 1; seat <= SeatCount; ++seat) {
        game.HandRun[seat].Place = 0;
        game.HandRun[seat].Prize = 0;
    }
}

bool roundDrawn(const TwelveGame &game)
{
    return std::none_of(game.HandRun.begin() + 1, game.HandRun.end(),
                        [](const HandRunRecord &run) { return run.Value == TwelveValue; });
}

namespace {

// Whether the window of three ranks from this rank holds a card the human has kept at least
// HeldUpTurns turns.
bool heldUpWindow(const TwelveGame &game, int windowStart)
{
    for (int step = 0; step < RunLength; ++step)
        for (int suit = 0; suit < SuitCount; ++suit) {
            const int card = cardOf(suit, rankAfter(windowStart, step));
            if (game.Holding[HumanSeat][card] && game.TurnNo - game.HumanSince[card] >= HeldUpTurns)
                return true;
        }
    return false;
}

} // namespace

bool heldUp(const TwelveGame &game)
{
    for (int start = 0; start < RankCount; ++start)
        if (!heldUpWindow(game, start))
            return false;
    return true;
}

void RankRound(TwelveGame &game)
{
    for (int seat = 1; seat <= SeatCount; ++seat) {
        game.HandRun[seat].Place = 0;
        game.HandRun[seat].Prize = 0;
    }
    for (int place = 1; place <= SeatCount; ++place) {
        int pick = 0;
        for (int seat = 1; seat <= SeatCount; ++seat) {
            if (game.HandRun[seat].Place != 0)
                continue;
            if (pick == 0 || ranksAbove(game.HandRun[seat], game.HandRun[pick]))
                pick = seat;
        }
        game.HandRun[pick].Place = place;
        game.HandRun[pick].Prize = PrizeTable[place];
    }
    for (int seat = 1; seat <= SeatCount; ++seat)
        game.Scores[game.RoundNo][seat] += game.HandRun[seat].Prize;
}

double roundHalfToEven(double value)
{
    if (std::abs(value - std::trunc(value)) == 0.5)
        return 2.0 * std::round(value / 2.0);
    return std::round(value);
}

int finalScoreOf(const PerSeat<int> &lastRow, int scoringMode)
{
    if (scoringMode == SimpleScoring)
        return lastRow[HumanSeat];
    const double sum = std::accumulate(lastRow.begin() + 1, lastRow.end(), 0.0);
    const double distance = lastRow[HumanSeat] - sum / SeatCount;
    return static_cast<int>(
        roundHalfToEven((distance + AverageScoringBase) * AverageScoringFactor));
}

bool EndGame(TwelveGame &game)
{
    if (game.RoundNo != RoundCount || game.GameOver)
        return false;
    game.GameOver = true;
    game.FinalScore = finalScoreOf(game.Scores[RoundCount], game.ScoringMode);
    return true;
}

int difficultyLevel(double difficulty)
{
    return static_cast<int>(roundHalfToEven(2.0 * difficulty - 1.0));
}

std::string scoringCode(int scoringMode)
{
    return scoringMode == SimpleScoring ? "S" : "A";
}

std::string scoringName(int scoringMode)
{
    return scoringMode == SimpleScoring ? "Simple" : "Average based";
}

// Plays whole Twelve games without a window, seat 1 driven by a stand-in player, at every
// difficulty level, checking the bookkeeping after every step.
//
//   twelve-sim [seed] [games per level]
//
// Time it from a Release build; the sanitizer build is some thirty times slower.

#include "InvariantCheck.h"
#include "Random.h"
#include "StandInPlayer.h"
#include "TwelveLevels.h"
#include "TwelvePlayers.h"
#include "TwelveTurn.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

namespace {

constexpr unsigned DefaultSeed = 1;
// 7 levels x 150 games x 11 rounds: more than 10,000 rounds.
constexpr int DefaultGamesPerLevel = 150;
// A round may in principle last for ever; this many turns counts as a hang.
constexpr int TurnLimit = 1000000;

struct LevelResult
{
    double difficulty = 0;
    long long simpleTotal = 0;
    long long averageTotal = 0;
    long long computerTotal = 0;
    int roundsWon = 0;
    int games = 0;
};

class Simulator
{
public:
    explicit Simulator(unsigned seed)
        : random(seed)
        , turn(game, random)
        , human(game, turn)
        , check(game)
    { }

    LevelResult playLevel(double difficulty, int games);
    const std::vector<int> &turnsPerRound() const { return turns; }

private:
    void playRound();
    void step();

    TwelveGame game;
    SeededRandom random;
    TwelveTurn turn;
    StandInPlayer human;
    InvariantCheck check;
    std::vector<int> turns;
};

LevelResult Simulator::playLevel(double difficulty, int games)
{
    LevelResult result;
    result.difficulty = difficulty;
    game.Difficulty = difficulty;
    for (int played = 0; played < games; ++played) {
        check.roundStarted();
        check.beforeStep();
        turn.NewGame();
        check.afterStep(turn.GameState());
        for (;;) {
            playRound();
            turns.push_back(game.TurnNo);
            result.roundsWon += game.HandRun[HumanSeat].Place == 1;
            if (game.RoundNo == RoundCount)
                break;
            check.roundStarted();
            check.beforeStep();
            turn.EndOfRoundConfirmed({});
            check.afterStep(turn.GameState());
        }
        turn.EndOfRoundConfirmed({});
        const PerSeat<int> &last = game.Scores[RoundCount];
        result.simpleTotal += finalScoreOf(last, SimpleScoring);
        result.averageTotal += finalScoreOf(last, AverageScoring);
        result.computerTotal += last[2] + last[3] + last[4];
        ++result.games;
    }
    return result;
}

void Simulator::playRound()
{
    while (turn.GameState() != TurnState::RoundOver) {
        if (game.TurnNo > TurnLimit) {
            std::fprintf(stderr, "A round lasted more than %d turns\n", TurnLimit);
            std::exit(EXIT_FAILURE);
        }
        check.beforeStep();
        step();
        check.afterStep(turn.GameState());
    }
}

void Simulator::step()
{
    switch (turn.GameState()) {
    case TurnState::Travelling:
        // On odd turns the computers' cards arrive before the human puts.
        if (game.TurnSlot[HumanSeat].MoveState == MoveNotPut && game.TurnNo % 2 == 0) {
            human.put();
            return;
        }
        for (int slot = 1; slot <= SlotCount; ++slot)
            if (game.TurnSlot[slot].MoveState == MoveTravelling)
                turn.CardArrived(slot);
        return;
    case TurnState::WaitingForPut:
        human.put();
        return;
    case TurnState::Choosing:
        human.choose();
        return;
    case TurnState::Bidding:
        if (turn.BidStep() == BidOutcome::WaitingForHuman)
            human.bid();
        return;
    case TurnState::AtAllCostsPause:
        turn.CloseAuction();
        return;
    case TurnState::Flying:
        check.delivering(game.Leader);
        turn.AnimationFinished();
        return;
    default:
        turn.AnimationFinished();
        return;
    }
}

int percentile(std::vector<int> values, double fraction)
{
    const auto at = values.begin() + static_cast<long>(fraction * (values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

} // namespace

int main(int argc, char *argv[])
{
    const unsigned seed = argc > 1 ? static_cast<unsigned>(std::stoul(argv[1])) : DefaultSeed;
    const int games = argc > 2 ? std::stoi(argv[2]) : DefaultGamesPerLevel;
    if (games < 1) {
        std::fprintf(stderr, "usage: twelve-sim [seed] [games per level >= 1]\n");
        return EXIT_FAILURE;
    }

    Simulator simulator(seed);
    std::vector<LevelResult> results;
    const auto started = std::chrono::steady_clock::now();
    const std::clock_t cpuStarted = std::clock();
    for (const LevelRow &row : LevelTable)
        results.push_back(simulator.playLevel(row.Difficulty, games));
    const double cpuSeconds = double(std::clock() - cpuStarted) / CLOCKS_PER_SEC;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;

    const std::vector<int> &turns = simulator.turnsPerRound();
    double meanTurns = 0;
    for (int count : turns)
        meanTurns += count;
    meanTurns /= turns.size();
    std::printf("seed %u, %d games per level, %zu rounds, every step checked\n", seed, games,
                turns.size());
    // The machine may be shared: CPU time tells the simulator's own speed, wall time what it
    // got out of the machine.
    std::printf("rounds per second: %.0f per CPU second, %.0f per wall-clock second\n",
                turns.size() / cpuSeconds, turns.size() / elapsed.count());
    std::printf("turns per round: mean %.1f, 99th percentile %d, maximum %d\n\n", meanTurns,
                percentile(turns, 0.99), *std::max_element(turns.begin(), turns.end()));
    std::printf(
        "level  seat 1 Simple  seat 1 Average based  computers' mean  rounds won by seat 1\n");
    for (const LevelResult &result : results)
        std::printf("%5d  %13.1f  %20.1f  %15.1f  %19.1f%%\n", difficultyLevel(result.difficulty),
                    double(result.simpleTotal) / result.games,
                    double(result.averageTotal) / result.games,
                    double(result.computerTotal) / (3.0 * result.games),
                    100.0 * result.roundsWon / (result.games * RoundCount));
    return EXIT_SUCCESS;
}

// Plays whole Twelve games without a window, seat 1 driven by a player of the chosen kind, at
// the chosen difficulty levels, checking the bookkeeping after every step.
//
//   twelve-sim [--levels 1,...,8] [--games N]
//              [--player standin|random|hint|mechanical|keeper|leftmost|level8] [seed]
//              [games per level]
//
// Without --levels it plays levels 1 to 7; level 8 thinks ahead and is far slower, so it is
// played only when named. standin plays by the computers' own measure, random makes any legal
// move, hint follows the window's hint; mechanical does the same thing every turn (his highest
// card, the lowest face-up slot, "No more"), keeper also takes back his own card whenever he
// may, and leftmost takes the leftmost face-up card as the table shows them; level8 plays seat
// 1 as a level 8 computer would. Where computers or seat 1 think ahead, the times of their
// decisions are printed too.
//
// Time it from a Release build; the sanitizer build is some thirty times slower.

#include "ForesightPlayer.h"
#include "HintPlayer.h"
#include "InvariantCheck.h"
#include "MechanicalPlayer.h"
#include "Random.h"
#include "RandomPlayer.h"
#include "StandInPlayer.h"
#include "TwelveForesight.h"
#include "TwelveLevels.h"
#include "TwelvePlayers.h"
#include "TwelveTurn.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr unsigned DefaultSeed = 1;
// 7 levels x 150 games x 11 rounds: more than 10,000 rounds.
constexpr int DefaultGamesPerLevel = 150;
// The engine draws a round at this many turns; one that goes on is a hang.
constexpr int TurnLimit = DrawnRoundTurns;

struct LevelResult
{
    double difficulty = 0;
    long long simpleTotal = 0;
    long long averageTotal = 0;
    long long computerTotal = 0;
    int roundsWon = 0;
    int roundsDrawn = 0;
    int games = 0;
    std::vector<int> turnsPerRound;
};

enum class PlayerKind { StandIn, Random, Hint, Mechanical, Keeper, Leftmost, Level8 };

class Simulator
{
public:
    Simulator(unsigned seed, PlayerKind kind)
        : random(seed)
        , turn(game, random)
        , human(makePlayer(kind, seed))
        , check(game)
    { }

    LevelResult playLevel(double difficulty, int games);
    const std::vector<int> &turnsPerRound() const { return turns; }
    // Of every computer decision made by thinking ahead, in milliseconds.
    const std::vector<double> &decisionTimes() const { return thinkingTimes; }

private:
    std::unique_ptr<SeatOnePlayer> makePlayer(PlayerKind kind, unsigned seed);
    void playRound();
    void step();
    void think();

    TwelveGame game;
    SeededRandom random;
    TwelveTurn turn;
    std::unique_ptr<SeatOnePlayer> human;
    InvariantCheck check;
    std::vector<int> turns;
    std::vector<double> thinkingTimes;
};

std::unique_ptr<SeatOnePlayer> Simulator::makePlayer(PlayerKind kind, unsigned seed)
{
    switch (kind) {
    case PlayerKind::Random:
        return std::make_unique<RandomPlayer>(game, turn, seed);
    case PlayerKind::Hint:
        return std::make_unique<HintPlayer>(game, turn);
    case PlayerKind::Mechanical:
        return std::make_unique<MechanicalPlayer>(game, turn);
    case PlayerKind::Keeper:
        return std::make_unique<KeeperPlayer>(game, turn);
    case PlayerKind::Leftmost:
        return std::make_unique<LeftmostPlayer>(game, turn);
    case PlayerKind::Level8:
        return std::make_unique<ForesightPlayer>(game, turn, seed);
    case PlayerKind::StandIn:
        break;
    }
    return std::make_unique<StandInPlayer>(game, turn);
}

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
            result.turnsPerRound.push_back(game.TurnNo);
            result.roundsWon += game.HandRun[HumanSeat].Place == 1;
            result.roundsDrawn += roundDrawn(game);
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
            human->put();
            return;
        }
        for (int slot = 1; slot <= SlotCount; ++slot)
            if (game.TurnSlot[slot].MoveState == MoveTravelling)
                turn.CardArrived(slot);
        return;
    case TurnState::WaitingForPut:
        human->put();
        return;
    case TurnState::Choosing:
        human->choose();
        return;
    case TurnState::Bidding:
        if (turn.BidStep() == BidOutcome::WaitingForHuman)
            human->bid();
        return;
    case TurnState::AtAllCostsPause:
        turn.CloseAuction();
        return;
    case TurnState::Thinking:
        think();
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

// Each computer seat decides in turn, timed on its own.
void Simulator::think()
{
    ForesightAnswer answer;
    for (int seat = 2; seat <= SeatCount; ++seat) {
        const auto started = std::chrono::steady_clock::now();
        TwelveForesight::decide(turn.Question(), seat, answer);
        const std::chrono::duration<double, std::milli> took
            = std::chrono::steady_clock::now() - started;
        thinkingTimes.push_back(took.count());
    }
    if (!turn.Answer(answer)) {
        std::fprintf(stderr, "The engine refused the computers' decisions\n");
        std::exit(EXIT_FAILURE);
    }
}

template<typename T> T percentile(std::vector<T> values, double fraction)
{
    const auto at = values.begin() + static_cast<long>(fraction * (values.size() - 1));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

// The share of rounds won with its 95% interval (Wilson's), in percent.
struct Share
{
    double percent;
    double low;
    double high;
};

Share shareOf(int won, int rounds)
{
    const double z = 1.96;
    const double p = double(won) / rounds;
    const double centre = (p + z * z / (2 * rounds)) / (1 + z * z / rounds);
    const double half = z * std::sqrt(p * (1 - p) / rounds + z * z / (4.0 * rounds * rounds))
        / (1 + z * z / rounds);
    return {100 * p, 100 * (centre - half), 100 * (centre + half)};
}

double meanOf(const std::vector<int> &values)
{
    double sum = 0;
    for (int value : values)
        sum += value;
    return sum / values.size();
}

struct Options
{
    PlayerKind player = PlayerKind::StandIn;
    std::vector<double> difficulties;
    unsigned seed = DefaultSeed;
    int games = DefaultGamesPerLevel;
};

// A list of levels such as "7,8"; false on anything else.
bool parseLevels(const std::string &list, std::vector<double> &difficulties)
{
    difficulties.clear();
    size_t from = 0;
    for (;;) {
        const size_t comma = list.find(',', from);
        const std::string item = list.substr(from, comma - from);
        if (item.empty() || item.find_first_not_of("0123456789") != std::string::npos)
            return false;
        const double difficulty = (std::stoi(item) + 1) / 2.0;
        if (!levelRow(difficulty))
            return false;
        difficulties.push_back(difficulty);
        if (comma == std::string::npos)
            return true;
        from = comma + 1;
    }
}

bool parsePlayer(const std::string &name, PlayerKind &kind)
{
    if (name == "standin")
        kind = PlayerKind::StandIn;
    else if (name == "random")
        kind = PlayerKind::Random;
    else if (name == "hint")
        kind = PlayerKind::Hint;
    else if (name == "mechanical")
        kind = PlayerKind::Mechanical;
    else if (name == "keeper")
        kind = PlayerKind::Keeper;
    else if (name == "leftmost")
        kind = PlayerKind::Leftmost;
    else if (name == "level8")
        kind = PlayerKind::Level8;
    else
        return false;
    return true;
}

// False on anything it does not understand.
bool parseOptions(int argc, char *argv[], Options &options)
{
    std::vector<std::string> numbers;
    std::string gamesGiven;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--player") {
            if (++i == argc || !parsePlayer(argv[i], options.player))
                return false;
        } else if (arg.rfind("--player=", 0) == 0) {
            if (!parsePlayer(arg.substr(9), options.player))
                return false;
        } else if (arg == "--levels") {
            if (++i == argc || !parseLevels(argv[i], options.difficulties))
                return false;
        } else if (arg == "--games") {
            if (++i == argc)
                return false;
            gamesGiven = argv[i];
        } else {
            numbers.push_back(arg);
        }
    }
    // --games stands for the second number.
    if (!gamesGiven.empty()) {
        if (numbers.size() > 1)
            return false;
        if (numbers.empty())
            numbers.push_back(std::to_string(DefaultSeed));
        numbers.push_back(gamesGiven);
    }
    if (numbers.size() > 2)
        return false;
    try {
        if (numbers.size() > 0)
            options.seed = static_cast<unsigned>(std::stoul(numbers[0]));
        if (numbers.size() > 1)
            options.games = std::stoi(numbers[1]);
    } catch (const std::exception &) {
        return false;
    }
    if (options.difficulties.empty())
        for (const LevelRow &row : LevelTable)
            if (!thinksAhead(row.Difficulty))
                options.difficulties.push_back(row.Difficulty);
    return options.games >= 1;
}

} // namespace

int main(int argc, char *argv[])
{
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: twelve-sim [--levels 1,...,8] [--games N] "
                     "[--player standin|random|hint|mechanical|keeper|leftmost|level8] [seed] "
                     "[games per level >= 1]\n");
        return EXIT_FAILURE;
    }
    const unsigned seed = options.seed;
    const int games = options.games;

    Simulator simulator(seed, options.player);
    std::vector<LevelResult> results;
    const auto started = std::chrono::steady_clock::now();
    const std::clock_t cpuStarted = std::clock();
    for (const double difficulty : options.difficulties)
        results.push_back(simulator.playLevel(difficulty, games));
    const double cpuSeconds = double(std::clock() - cpuStarted) / CLOCKS_PER_SEC;
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;

    const std::vector<int> &turns = simulator.turnsPerRound();
    const double meanTurns = meanOf(turns);
    std::printf("seed %u, %d games per level, %zu rounds, every step checked\n", seed, games,
                turns.size());
    // The machine may be shared: CPU time tells the simulator's own speed, wall time what it
    // got out of the machine.
    std::printf("rounds per second: %.0f per CPU second, %.0f per wall-clock second\n",
                turns.size() / cpuSeconds, turns.size() / elapsed.count());
    std::printf("turns per round: mean %.1f, 99th percentile %d, maximum %d\n\n", meanTurns,
                percentile(turns, 0.99), *std::max_element(turns.begin(), turns.end()));
    std::printf("level  seat 1 Simple  seat 1 Average based  computers' mean  rounds won by seat 1"
                "  (95%% interval)\n");
    for (const LevelResult &result : results) {
        const Share won = shareOf(result.roundsWon, result.games * RoundCount);
        std::printf("%5d  %13.1f  %20.1f  %15.1f  %19.1f%%  (%.1f%% to %.1f%%)\n",
                    difficultyLevel(result.difficulty), double(result.simpleTotal) / result.games,
                    double(result.averageTotal) / result.games,
                    double(result.computerTotal) / (3.0 * result.games), won.percent, won.low,
                    won.high);
    }
    // Rounds longer than the steady turn were ended by the computers' steady play.
    std::printf("\nlevel  turns per round: mean  median  99th percentile  maximum  "
                "rounds past turn  drawn\n");
    for (const LevelResult &result : results) {
        const std::vector<int> &levelTurns = result.turnsPerRound;
        const int steadyTurn = steadyAfterTurn(result.difficulty);
        const auto past = std::count_if(levelTurns.begin(), levelTurns.end(),
                                        [steadyTurn](int turns) { return turns > steadyTurn; });
        std::printf(
            "%5d  %21.1f  %6d  %15d  %7d  %11ld of %d  %5d\n", difficultyLevel(result.difficulty),
            meanOf(levelTurns), percentile(levelTurns, 0.5), percentile(levelTurns, 0.99),
            *std::max_element(levelTurns.begin(), levelTurns.end()), long(past), steadyTurn,
            result.roundsDrawn);
    }
    const std::vector<double> &times = simulator.decisionTimes();
    if (!times.empty())
        std::printf("\ndecisions by thinking ahead: %zu, median %.1f ms, 99th percentile %.1f ms, "
                    "maximum %.1f ms\n",
                    times.size(), percentile(times, 0.5), percentile(times, 0.99),
                    *std::max_element(times.begin(), times.end()));
    return EXIT_SUCCESS;
}

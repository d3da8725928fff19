// golf-solve: the fewest cards each Golf deal can leave.
//
//   golf-solve [--columns C] [--rows R]
//       reads deals from standard input, one a line: 52 card ids (0..51) separated by blanks,
//       the C x R dealt cards column by column (row 0, the covered top card, first), then the
//       stock from Stock[0] on, so the card turned at the start is the last number. For each
//       deal prints: fewest cards left, solve time in ms, positions searched, and the moves
//       (a column number to play its exposed card, "s" to turn the stock).
//   golf-solve --random N [--seed S] [--baseline M] [--columns C] [--rows R]
//       deals N games from its own generator and prints the share of won deals, how many
//       deals leave how many cards, and the median, 99th percentile and largest solve time.
//       With --baseline M the first M deals are also solved by the plain memoised search, and
//       the two times are compared (the answers must agree).
#include "GolfSolver.h"
#include "PlainSearch.h"
#include "Random.h"

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <map>
#include <numeric>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Deck = std::array<int, GolfLayout::DeckSize>;

struct Options
{
    GolfLayout layout;
    std::optional<long> randomDeals;
    unsigned seed = 1;
    long baselineDeals = 0;
};

[[noreturn]] void usage(const std::string &problem)
{
    std::cerr << "golf-solve: " << problem << "\n"
              << "usage: golf-solve [--columns C] [--rows R] < deals\n"
              << "       golf-solve --random N [--seed S] [--baseline M] [--columns C] "
                 "[--rows R]\n";
    std::exit(2);
}

long number(const char *text, long lowest, long highest, const std::string &name)
{
    char *end = nullptr;
    errno = 0;
    const long value = std::strtol(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || value < lowest || value > highest)
        usage(name + " must be a number from " + std::to_string(lowest) + " to "
              + std::to_string(highest));
    return value;
}

Options parse(int argc, char **argv)
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (i + 1 >= argc)
            usage("missing value after " + arg);
        const char *value = argv[++i];
        if (arg == "--columns")
            options.layout.columns = int(number(value, 1, GolfLayout::MaxColumns, arg));
        else if (arg == "--rows")
            options.layout.rows = int(number(value, 1, GolfLayout::MaxRows, arg));
        else if (arg == "--random")
            options.randomDeals = number(value, 1, 100'000'000, arg);
        else if (arg == "--seed")
            options.seed = unsigned(number(value, 0, 4'294'967'295, arg));
        else if (arg == "--baseline")
            options.baselineDeals = number(value, 0, 100'000'000, arg);
        else
            usage("unknown option " + arg);
    }
    if (options.layout.dealtCards() >= GolfLayout::DeckSize)
        usage("the layout must leave at least one card for the stock");
    return options;
}

double cpuMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

std::string lineText(const std::vector<GolfMove> &line)
{
    std::string text;
    for (const GolfMove &move : line) {
        text += move.kind == GolfMove::Turn ? "s" : std::to_string(move.column);
        text += ' ';
    }
    if (!text.empty())
        text.pop_back();
    return text;
}

// 52 distinct ids 0..51, or nothing and a reason.
std::optional<Deck> readDeck(const std::string &line, std::string &problem)
{
    std::istringstream in(line);
    Deck deck{};
    std::array<bool, GolfLayout::DeckSize> seen{};
    int count = 0;
    std::string word;
    while (in >> word) {
        char *end = nullptr;
        const long id = std::strtol(word.c_str(), &end, 10);
        if (*end != '\0' || id < 0 || id >= GolfLayout::DeckSize) {
            problem = "\"" + word + "\" is not a card id 0..51";
            return std::nullopt;
        }
        if (count == GolfLayout::DeckSize) {
            problem = "more than 52 cards";
            return std::nullopt;
        }
        if (seen[id]) {
            problem = "card " + word + " appears twice";
            return std::nullopt;
        }
        seen[id] = true;
        deck[count++] = int(id);
    }
    if (count != GolfLayout::DeckSize) {
        problem = std::to_string(count) + " cards instead of 52";
        return std::nullopt;
    }
    return deck;
}

int solveInput(const Options &options)
{
    GolfSolver solver;
    std::string line;
    int lineNumber = 0;
    int failures = 0;
    while (std::getline(std::cin, line)) {
        ++lineNumber;
        if (line.find_first_not_of(" \t\r") == std::string::npos)
            continue;
        std::string problem;
        const std::optional<Deck> deck = readDeck(line, problem);
        if (!deck) {
            std::cerr << "golf-solve: line " << lineNumber << ": " << problem << "\n";
            ++failures;
            continue;
        }
        const double start = cpuMilliseconds();
        const GolfSolution solution = solver.solve(GolfPosition::dealt(options.layout, *deck));
        const double ms = cpuMilliseconds() - start;
        std::printf("%d %.3f %lld %s\n", solution.fewestCardsLeft, ms,
                    static_cast<long long>(solution.states), lineText(solution.line).c_str());
    }
    return failures == 0 ? 0 : 1;
}

Deck shuffled(Random &random)
{
    Deck deck;
    std::iota(deck.begin(), deck.end(), 0);
    for (int i = GolfLayout::DeckSize - 1; i > 0; --i)
        std::swap(deck[i], deck[random.random(i + 1)]);
    return deck;
}

double percentile(std::vector<double> sorted, double share)
{
    std::sort(sorted.begin(), sorted.end());
    const auto index = std::size_t(std::ceil(share * double(sorted.size()))) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}

int solveRandom(const Options &options)
{
    GolfSolver solver;
    SeededRandom random(options.seed);
    const long deals = *options.randomDeals;
    std::map<int, long> cardsLeft;
    std::vector<double> times;
    long won = 0;
    std::vector<double> states;
    double baselineMs = 0;
    double solverMsOnBaselineDeals = 0;
    double slowestBaselineMs = 0;
    std::int64_t mostBaselineStates = 0;
    std::vector<double> baselineTimes;
    for (long n = 0; n < deals; ++n) {
        const GolfPosition deal = GolfPosition::dealt(options.layout, shuffled(random));
        const double start = cpuMilliseconds();
        const GolfSolution solution = solver.solve(deal);
        const double ms = cpuMilliseconds() - start;
        times.push_back(ms);
        ++cardsLeft[solution.fewestCardsLeft];
        won += solution.fewestCardsLeft == 0;
        states.push_back(double(solution.states));
        if (n < options.baselineDeals) {
            const double plainStart = cpuMilliseconds();
            const PlainAnswer plain = plainSearch(deal);
            const double plainMs = cpuMilliseconds() - plainStart;
            if (plain.fewestCardsLeft != solution.fewestCardsLeft) {
                std::cerr << "golf-solve: deal " << n << ": solver " << solution.fewestCardsLeft
                          << ", plain search " << plain.fewestCardsLeft << "\n";
                return 1;
            }
            baselineMs += plainMs;
            solverMsOnBaselineDeals += ms;
            slowestBaselineMs = std::max(slowestBaselineMs, plainMs);
            mostBaselineStates = std::max(mostBaselineStates, plain.states);
            baselineTimes.push_back(plainMs);
        }
    }

    const double share = double(won) / double(deals);
    // Wilson score interval.
    const double z = 1.96;
    const double n = double(deals);
    const double centre = (share + z * z / (2 * n)) / (1 + z * z / n);
    const double half
        = z * std::sqrt(share * (1 - share) / n + z * z / (4 * n * n)) / (1 + z * z / n);
    std::printf("layout %dx%d, %ld deals, seed %u\n", options.layout.columns,
                options.layout.rows, deals, options.seed);
    std::printf("won: %ld (%.2f%%, 95%% interval %.2f%% .. %.2f%%)\n", won, 100 * share,
                std::max(0.0, 100 * (centre - half)), std::min(100.0, 100 * (centre + half)));
    std::printf("fewest cards left: deals\n");
    for (const auto &[left, count] : cardsLeft)
        std::printf("  %2d: %ld\n", left, count);
    std::printf("solve time ms: median %.3f, 99th percentile %.3f, max %.3f, total %.1f\n",
                percentile(times, 0.5), percentile(times, 0.99),
                *std::max_element(times.begin(), times.end()),
                std::accumulate(times.begin(), times.end(), 0.0));
    std::printf("positions searched: median %.0f, most %.0f, total %.0f\n",
                percentile(states, 0.5), *std::max_element(states.begin(), states.end()),
                std::accumulate(states.begin(), states.end(), 0.0));
    if (!baselineTimes.empty()) {
        std::printf("plain memoised search on the first %zu deals: median %.3f ms, max %.3f ms, "
                    "most positions %lld; CPU %.1f ms against the solver's %.1f ms: %.1fx\n",
                    baselineTimes.size(), percentile(baselineTimes, 0.5), slowestBaselineMs,
                    static_cast<long long>(mostBaselineStates), baselineMs,
                    solverMsOnBaselineDeals, baselineMs / solverMsOnBaselineDeals);
    }
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak memory: %.1f MB\n", double(usage.ru_maxrss) / 1024);
    return 0;
}

}

int main(int argc, char **argv)
{
    const Options options = parse(argc, argv);
    return options.randomDeals ? solveRandom(options) : solveInput(options);
}

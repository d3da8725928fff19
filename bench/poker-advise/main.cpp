// The exact value of every hold of Poker deals.
//
//   poker-advise < deals
//       one deal a line: five card ids 0..51 (suit = id div 13, rank = id mod 13, Ace = 12)
//       separated by blanks. Prints one line a deal: the 32 expected payouts in dollars with six
//       decimals, for the hold masks 0 to 31 (bit i set: keep the card at position i+1), then
//       the best mask (the lowest within 1e-9 of the highest value).
//   poker-advise --random N [--seed S] [--baseline M]
//       times N random deals and prints the median, 99th percentile and largest CPU time of
//       one deal's values; with --baseline M the first M deals are also valued by the plain
//       enumeration of all 2,598,960 draws, the answers compared and the CPU times set side by
//       side.
//   poker-advise --return
//       the pay table's return with perfect play over all 2,598,960 deals, as "return 99.1234%".
//
// The tables behind the values are made once, at the start; their CPU time is printed apart.

#include "PlainOdds.h"
#include "PokerOdds.h"
#include "Random.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

double cpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) * 1e-9;
}

[[noreturn]] void usage()
{
    std::fprintf(stderr,
                 "usage: poker-advise [--random N [--seed S] [--baseline M] | --return]"
                 " < deals\n");
    std::exit(2);
}

int numberAfter(int &arg, int argc, char **argv)
{
    if (++arg >= argc)
        usage();
    char *end = nullptr;
    const long value = std::strtol(argv[arg], &end, 10);
    if (*end != '\0' || value < 0 || value > 100000000)
        usage();
    return int(value);
}

std::optional<PokerCards> parseDeal(const std::string &line)
{
    std::istringstream words(line);
    PokerCards deal{};
    for (int &card : deal)
        if (!(words >> card) || card < 0 || card > 51)
            return std::nullopt;
    std::string rest;
    if (words >> rest)
        return std::nullopt;
    return deal;
}

int adviseDeals(const PokerOdds &odds)
{
    std::string line;
    int lineNo = 0;
    while (std::getline(std::cin, line)) {
        ++lineNo;
        const std::optional<PokerCards> deal = parseDeal(line);
        const std::optional<HoldValues> values = deal ? odds.holdValues(*deal) : std::nullopt;
        if (!values) {
            std::fprintf(stderr, "line %d is not a deal of five different cards 0..51\n", lineNo);
            return 1;
        }
        for (const double value : *values)
            std::printf("%.6f ", value);
        std::printf("%d\n", bestHold(*values));
    }
    return 0;
}

PokerCards randomDeal(Random &random)
{
    PokerCards deal{};
    for (int i = 0; i < CardsInHand; ++i) {
        int card;
        do
            card = random.random(52);
        while (std::find(deal.begin(), deal.begin() + i, card) != deal.begin() + i);
        deal[i] = card;
    }
    return deal;
}

double percentile(std::vector<double> times, double share)
{
    std::sort(times.begin(), times.end());
    const std::size_t at = std::min(times.size() - 1, std::size_t(share * double(times.size())));
    return times[at];
}

int timeRandomDeals(const PokerOdds &odds, int count, unsigned seed, int baseline)
{
    if (count == 0)
        usage();
    SeededRandom random(seed);
    std::vector<PokerCards> deals;
    for (int i = 0; i < count; ++i)
        deals.push_back(randomDeal(random));
    std::vector<double> times;
    double exactTime = 0;
    for (const PokerCards &deal : deals) {
        const double started = cpuSeconds();
        const std::optional<HoldValues> values = odds.holdValues(deal);
        const double spent = cpuSeconds() - started;
        times.push_back(spent);
        if (!values)
            return 1;
    }
    std::printf("%d deals: median %.4f ms, 99th percentile %.4f ms, largest %.4f ms\n", count,
                percentile(times, 0.5) * 1e3, percentile(times, 0.99) * 1e3,
                *std::max_element(times.begin(), times.end()) * 1e3);
    if (baseline == 0)
        return 0;
    baseline = std::min(baseline, count);
    double plainTime = 0;
    double largestDifference = 0;
    for (int i = 0; i < baseline; ++i) {
        double started = cpuSeconds();
        const HoldValues exact = *odds.holdValues(deals[std::size_t(i)]);
        exactTime += cpuSeconds() - started;
        started = cpuSeconds();
        const HoldValues plain = plainHoldValues(deals[std::size_t(i)]);
        plainTime += cpuSeconds() - started;
        for (int hold = 0; hold < HoldCount; ++hold)
            largestDifference = std::max(largestDifference, std::abs(exact[hold] - plain[hold]));
    }
    std::printf("baseline, %d deals: plain enumeration %.3f ms a deal, these values %.4f ms a "
                "deal, %.0f times less CPU; largest difference %.3g\n",
                baseline, plainTime / baseline * 1e3, exactTime / baseline * 1e3,
                plainTime / exactTime, largestDifference);
    return largestDifference < SameValue ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    int count = -1;
    unsigned seed = 1;
    int baseline = 0;
    bool perfectReturn = false;
    for (int arg = 1; arg < argc; ++arg) {
        if (std::strcmp(argv[arg], "--random") == 0)
            count = numberAfter(arg, argc, argv);
        else if (std::strcmp(argv[arg], "--seed") == 0)
            seed = unsigned(numberAfter(arg, argc, argv));
        else if (std::strcmp(argv[arg], "--baseline") == 0)
            baseline = numberAfter(arg, argc, argv);
        else if (std::strcmp(argv[arg], "--return") == 0)
            perfectReturn = true;
        else
            usage();
    }

    double started = cpuSeconds();
    const PokerOdds &odds = PokerOdds::fullDeck();
    std::fprintf(stderr, "tables made in %.3f s of CPU\n", cpuSeconds() - started);
    if (perfectReturn) {
        started = cpuSeconds();
        const double share = odds.perfectPlayReturn();
        std::printf("return %.6f%%\n", share * 100);
        std::fprintf(stderr, "every deal valued in %.1f s of CPU\n", cpuSeconds() - started);
        return 0;
    }
    if (count >= 0)
        return timeRandomDeals(odds, count, seed, baseline);
    return adviseDeals(odds);
}

#pragma once

#include <array>

// What the solver needs of the rank rule, taken from GolfPosition::fits once.
struct GolfRankRule
{
    static constexpr int Ranks = 13;
    static constexpr int NoColour = -1;
    // A rank index past the real ones whose count is always zero.
    static constexpr int NoRank = Ranks;

    // Whether a card of the second rank can be played on the first; never on NoRank.
    std::array<std::array<bool, Ranks + 1>, Ranks> fits{};
    // The ranks a card of each rank can be played on: at most its two neighbours, the rest
    // filled with NoRank.
    std::array<std::array<int, 2>, Ranks> below{};
    // The ranks that can be played on a card of each rank, as bits.
    std::array<unsigned, Ranks> takesRanks{};
    // Whether anything can be played on a card of this rank.
    std::array<bool, Ranks> takesAny{};
    // Two colours such that a card is only ever played on one of the other colour; NoColour
    // everywhere if the rule allows no such split.
    std::array<int, Ranks> colour{};
    // The ranks in a row in which only neighbours fit on each other, when there is one.
    std::array<int, Ranks> path{};
    bool onPath = false;
    // Along the path: whether the rank at i is played on the one before it, or after it.
    std::array<bool, Ranks> onPrevious{};
    std::array<bool, Ranks> onNext{};
    // 1 where takesAny, where the colour is 1, and where the rank at i on the path takes any.
    std::array<int, Ranks> takes{};
    std::array<int, Ranks> ofOne{};
    std::array<int, Ranks> takesOnPath{};

    bool neighbours(int a, int b) const { return fits[a][b] || fits[b][a]; }

    // The rule, worked out once.
    static const GolfRankRule &instance();

private:
    GolfRankRule();
    void findPath();
    void findColours();
};

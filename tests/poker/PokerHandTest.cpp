#include "PokerHand.h"

#include <gtest/gtest.h>

namespace {

// Card id from a rank index (0 = Two .. 12 = Ace) and a suit 0..3.
constexpr int card(int rank, int suit)
{
    return suit * 13 + rank;
}

constexpr int Two = 0, Three = 1, Four = 2, Five = 3, Six = 4, Seven = 5, Nine = 7, Ten = 8,
              Jack = 9, Queen = 10, King = 11, Ace = 12;

struct HandCase
{
    const char *what;
    PokerCards cards;
    HandRank rank;
    int payout;
};

TEST(PokerHand, ClassifiesAndPaysHands)
{
    const HandCase cases[] = {
        {"royal",
         {card(Ten, 3), card(Jack, 3), card(Queen, 3), card(King, 3), card(Ace, 3)},
         RoyalFlush,
         200},
        {"nine to king suited",
         {card(King, 1), card(Nine, 1), card(Queen, 1), card(Ten, 1), card(Jack, 1)},
         StraightFlush,
         100},
        {"ace to five mixed",
         {card(Ace, 0), card(Two, 1), card(Three, 2), card(Four, 3), card(Five, 0)},
         Runt,
         0},
        {"ace to five suited",
         {card(Ace, 2), card(Two, 2), card(Three, 2), card(Four, 2), card(Five, 2)},
         Flush,
         35},
        {"ten to ace mixed",
         {card(Ten, 0), card(Jack, 1), card(Queen, 2), card(King, 3), card(Ace, 0)},
         Straight,
         30},
        {"two to six mixed",
         {card(Six, 0), card(Two, 1), card(Four, 2), card(Three, 3), card(Five, 0)},
         Straight,
         30},
        {"pair of twos",
         {card(Two, 0), card(Two, 1), card(Seven, 2), card(Jack, 3), card(Ace, 0)},
         OnePair,
         5},
        {"two pair",
         {card(Two, 0), card(Two, 1), card(Seven, 2), card(Seven, 3), card(Ace, 0)},
         TwoPair,
         10},
        {"kings full of fours",
         {card(King, 0), card(Four, 1), card(King, 2), card(Four, 3), card(King, 3)},
         FullHouse,
         40},
        {"three kings",
         {card(King, 0), card(Four, 1), card(King, 2), card(Nine, 3), card(King, 3)},
         ThreeOfAKind,
         20},
        {"four queens",
         {card(Queen, 0), card(Queen, 1), card(Queen, 2), card(Queen, 3), card(Two, 0)},
         FourOfAKind,
         50},
        {"suited but broken run",
         {card(Two, 1), card(Three, 1), card(Four, 1), card(Five, 1), card(Seven, 1)},
         Flush,
         35},
    };
    for (const HandCase &c : cases) {
        SCOPED_TRACE(c.what);
        const HandRank rank = classifyHand(c.cards);
        EXPECT_EQ(rank, c.rank);
        EXPECT_EQ(PayTable[rank].payout, c.payout);
    }
}

// Every five-card hand once. Expected counts, with the Ace only high:
// - runs of five ranks start at Two..Ten: 9 runs, each in 4^5 = 1024 suit patterns, 4 suited;
//   royal 4, straight flush 8 * 4 = 32, straight 9 * 1020 = 9180;
// - flush: 4 * C(13,5) = 5148 suited hands less the 36 suited runs = 5112;
// - four of a kind 13 * 48 = 624; full house 13 * 4 * 12 * 6 = 3744;
// - three of a kind 13 * 4 * C(12,2) * 4 * 4 = 54912; two pair C(13,2) * 6 * 6 * 44 = 123552;
// - one pair 13 * 6 * C(12,3) * 4^3 = 1098240;
// - runt: (C(13,5) - 9) rank sets * (1024 - 4) suit patterns = 1303560.
TEST(PokerHand, CountsEveryHandOfTheDeck)
{
    std::array<int, HandRankCount> counts{};
    PokerCards hand;
    for (hand[0] = 0; hand[0] < 52; ++hand[0])
        for (hand[1] = hand[0] + 1; hand[1] < 52; ++hand[1])
            for (hand[2] = hand[1] + 1; hand[2] < 52; ++hand[2])
                for (hand[3] = hand[2] + 1; hand[3] < 52; ++hand[3])
                    for (hand[4] = hand[3] + 1; hand[4] < 52; ++hand[4])
                        ++counts[classifyHand(hand)];

    const std::array<int, HandRankCount> expected{1303560, 1098240, 123552, 54912, 9180,
                                                  5112,    3744,    624,    32,    4};
    EXPECT_EQ(counts, expected);
}

TEST(PokerHand, ScoreTotalsFollowTheCounts)
{
    PokerScore score;
    score.Money = 100;
    for (const HandRank rank : {OnePair, OnePair, RoyalFlush, Runt})
        score.ApplyResult(rank);

    EXPECT_EQ(score.Money, 100 + 5 + 5 + 200);
    EXPECT_EQ(score.HandsPlayed(), 4);
    EXPECT_EQ(score.amount(OnePair), 10);
    EXPECT_EQ(score.Winnings(), 210);
}

}

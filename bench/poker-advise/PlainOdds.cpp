#include "PlainOdds.h"

#include "PokerGame.h"

#include <algorithm>
#include <bit>
#include <vector>

namespace {

// Adds the payout of every completion of hand, whose positions from `from` on are still to be
// drawn, from the cards of undealt beginning at `next`.
void sumDraws(PokerCards &hand, int from, const std::vector<int> &undealt, std::size_t next,
              std::int64_t &sum, std::int64_t &draws)
{
    if (from == CardsInHand) {
        sum += PayTable[classifyHand(hand)].payout;
        ++draws;
        return;
    }
    for (std::size_t i = next; i < undealt.size(); ++i) {
        hand[from] = undealt[i];
        sumDraws(hand, from + 1, undealt, i + 1, sum, draws);
    }
}

} // namespace

HoldValues plainHoldValues(const PokerCards &dealt, PokerOdds::Deck deck)
{
    std::vector<int> undealt;
    for (int card = 0; card < 52; ++card)
        if ((deck & (PokerOdds::Deck(1) << card))
            && std::find(dealt.begin(), dealt.end(), card) == dealt.end())
            undealt.push_back(card);
    HoldValues values{};
    for (HoldMask hold = 0; hold < HoldCount; ++hold) {
        PokerCards hand{};
        int kept = 0;
        for (int i = 0; i < CardsInHand; ++i)
            if (hold & (1 << i))
                hand[kept++] = dealt[i];
        std::int64_t sum = 0;
        std::int64_t draws = 0;
        sumDraws(hand, kept, undealt, 0, sum, draws);
        values[hold] = double(sum) / double(draws);
    }
    return values;
}

double plainPerfectPlayReturn(PokerOdds::Deck deck)
{
    std::vector<int> cards;
    for (int card = 0; card < 52; ++card)
        if (deck & (PokerOdds::Deck(1) << card))
            cards.push_back(card);
    const int n = int(cards.size());
    double total = 0;
    std::int64_t deals = 0;
    PokerCards hand{};
    for (int a = 0; a < n; ++a)
        for (int b = a + 1; b < n; ++b)
            for (int c = b + 1; c < n; ++c)
                for (int d = c + 1; d < n; ++d)
                    for (int e = d + 1; e < n; ++e) {
                        hand = {cards[a], cards[b], cards[c], cards[d], cards[e]};
                        const HoldValues values = plainHoldValues(hand, deck);
                        total += *std::max_element(values.begin(), values.end());
                        ++deals;
                    }
    return total / double(deals) / PokerGame::Stake;
}

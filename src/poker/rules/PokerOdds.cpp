#include "PokerOdds.h"

#include "PokerGame.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int MaxDeck = 52;

constexpr std::int64_t choose(int n, int k)
{
    if (k < 0 || n < k)
        return 0;
    std::int64_t result = 1;
    for (int i = 1; i <= k; ++i)
        result = result * (n - k + i) / i;
    return result;
}

// Where a set of deck positions, taken in rising order, stands among all sets of its size.
std::int64_t indexOf2(int a, int b)
{
    return choose(b, 2) + a;
}

std::int64_t indexOf3(int a, int b, int c)
{
    return choose(c, 3) + choose(b, 2) + a;
}

int payout(const PokerCards &cards)
{
    return PayTable[classifyHand(cards)].payout;
}

// Calls visit(hand, at) for every five of the cards, at their places in rising order.
template<typename Visit> void forEachHand(const std::vector<int> &cards, Visit visit)
{
    const int n = int(cards.size());
    PokerCards hand{};
    std::array<int, CardsInHand> at{};
    for (at[0] = 0; at[0] < n; ++at[0]) {
        hand[0] = cards[std::size_t(at[0])];
        for (at[1] = at[0] + 1; at[1] < n; ++at[1]) {
            hand[1] = cards[std::size_t(at[1])];
            for (at[2] = at[1] + 1; at[2] < n; ++at[2]) {
                hand[2] = cards[std::size_t(at[2])];
                for (at[3] = at[2] + 1; at[3] < n; ++at[3]) {
                    hand[3] = cards[std::size_t(at[3])];
                    for (at[4] = at[3] + 1; at[4] < n; ++at[4]) {
                        hand[4] = cards[std::size_t(at[4])];
                        visit(hand, at);
                    }
                }
            }
        }
    }
}

} // namespace

PokerOdds::PokerOdds(Deck deck)
    : deckCards(deck & FullDeck)
{
    positionOf.fill(-1);
    for (int card = 0; card < MaxDeck; ++card)
        if (deckCards & (Deck(1) << card)) {
            positionOf[card] = int(cards.size());
            cards.push_back(card);
        }
    const int n = deckSize();
    sumHolding1.assign(std::size_t(n), 0);
    sumHolding2.assign(std::size_t(choose(n, 2)), 0);
    sumHolding3.assign(std::size_t(choose(n, 3)), 0);

    // Every hand that pays once, its payout added to the sums of each of its cards, pairs and
    // triples. A pair or triple's index is the sum of one binomial term per deck position.
    std::vector<std::int64_t> pairTerm(std::size_t(n) + 1);
    std::vector<std::int64_t> tripleTerm(std::size_t(n) + 1);
    for (int p = 0; p <= n; ++p) {
        pairTerm[std::size_t(p)] = choose(p, 2);
        tripleTerm[std::size_t(p)] = choose(p, 3);
    }
    std::int64_t *const one = sumHolding1.data();
    std::int64_t *const two = sumHolding2.data();
    std::int64_t *const three = sumHolding3.data();
    const std::int64_t *const p2 = pairTerm.data();
    const std::int64_t *const p3 = tripleTerm.data();
    forEachHand(cards, [&](const PokerCards &hand, const std::array<int, CardsInHand> &at) {
        const int pay = payout(hand);
        if (pay == 0)
            return;
        sumOfAll += pay;
        for (int i = 0; i < CardsInHand; ++i) {
            one[at[i]] += pay;
            for (int j = i + 1; j < CardsInHand; ++j) {
                two[p2[at[j]] + at[i]] += pay;
                for (int k = j + 1; k < CardsInHand; ++k)
                    three[p3[at[k]] + p2[at[j]] + at[i]] += pay;
            }
        }
    });
}

const PokerOdds &PokerOdds::fullDeck()
{
    static const PokerOdds odds(FullDeck);
    return odds;
}

std::int64_t PokerOdds::sumHolding4(const std::array<int, 4> &held) const
{
    PokerCards hand{held[0], held[1], held[2], held[3], 0};
    Deck held4 = 0;
    for (const int card : held)
        held4 |= Deck(1) << card;
    std::int64_t sum = 0;
    for (const int card : cards) {
        if (held4 & (Deck(1) << card))
            continue;
        hand[4] = card;
        sum += payout(hand);
    }
    return sum;
}

std::optional<HoldValues> PokerOdds::holdValues(const PokerCards &dealt) const
{
    constexpr int DrawsNeedCards = 2 * CardsInHand;
    Deck dealtCards = 0;
    for (const int card : dealt) {
        if (card < 0 || card >= MaxDeck || positionOf[card] < 0 || (dealtCards & (Deck(1) << card)))
            return std::nullopt;
        dealtCards |= Deck(1) << card;
    }
    if (deckSize() < DrawsNeedCards)
        return std::nullopt;

    // The table positions in the order of the cards in the deck, so that every set of them
    // comes in rising order.
    std::array<int, CardsInHand> inDeckOrder{0, 1, 2, 3, 4};
    std::sort(inDeckOrder.begin(), inDeckOrder.end(),
              [&](int a, int b) { return positionOf[dealt[a]] < positionOf[dealt[b]]; });

    // The sums of every set of the dealt cards, by mask.
    std::array<std::int64_t, HoldCount> sumHolding{};
    for (int mask = 0; mask < HoldCount; ++mask) {
        std::array<int, CardsInHand> at{};
        std::array<int, CardsInHand> held{};
        int count = 0;
        for (const int i : inDeckOrder)
            if (mask & (1 << i)) {
                held[count] = dealt[i];
                at[count++] = positionOf[dealt[i]];
            }
        switch (count) {
        case 0:
            sumHolding[mask] = sumOfAll;
            break;
        case 1:
            sumHolding[mask] = sumHolding1[std::size_t(at[0])];
            break;
        case 2:
            sumHolding[mask] = sumHolding2[std::size_t(indexOf2(at[0], at[1]))];
            break;
        case 3:
            sumHolding[mask] = sumHolding3[std::size_t(indexOf3(at[0], at[1], at[2]))];
            break;
        case 4:
            sumHolding[mask] = sumHolding4({held[0], held[1], held[2], held[3]});
            break;
        default:
            sumHolding[mask] = payout(dealt);
            break;
        }
    }

    const int undealt = deckSize() - CardsInHand;
    HoldValues values{};
    for (HoldMask hold = 0; hold < HoldCount; ++hold) {
        const int discarded = ~hold & (HoldCount - 1);
        std::int64_t sum = 0;
        // Every subset of the discarded cards, the empty one last.
        for (int also = discarded;; also = (also - 1) & discarded) {
            const std::int64_t term = sumHolding[hold | also];
            sum += std::popcount(unsigned(also)) % 2 == 0 ? term : -term;
            if (also == 0)
                break;
        }
        const int drawn = std::popcount(unsigned(discarded));
        values[hold] = double(sum) / double(choose(undealt, drawn));
    }
    return values;
}

double PokerOdds::perfectPlayReturn() const
{
    double total = 0;
    std::int64_t deals = 0;
    bool valued = true;
    forEachHand(cards, [&](const PokerCards &hand, const std::array<int, CardsInHand> &) {
        const std::optional<HoldValues> values = holdValues(hand);
        valued = valued && values;
        if (values)
            total += *std::max_element(values->begin(), values->end());
        ++deals;
    });
    return !valued || deals == 0 ? 0 : total / double(deals) / PokerGame::Stake;
}

HoldMask bestHold(const HoldValues &values)
{
    const double best = *std::max_element(values.begin(), values.end());
    for (HoldMask hold = 0; hold < HoldCount; ++hold)
        if (values[hold] >= best - SameValue)
            return hold;
    return 0;
}

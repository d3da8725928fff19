#include "GolfFixtures.h"

#include <algorithm>
#include <gtest/gtest.h>

ScriptedRandom scriptedDeal(GolfLayout layout, const std::vector<std::vector<int>> &columns,
                            const std::vector<int> &turns)
{
    std::vector<int> named;
    for (const auto &column : columns)
        named.insert(named.end(), column.begin(), column.end());
    named.insert(named.end(), turns.begin(), turns.end());

    std::vector<int> turnOrder = turns;
    for (int id = 0; id < GolfLayout::DeckSize; ++id)
        if (std::find(named.begin(), named.end(), id) == named.end())
            turnOrder.push_back(id);
    // Columns the caller left out are dealt from the unnamed cards turned last.
    std::vector<int> deal;
    for (int c = 0; c < layout.columns; ++c) {
        for (int r = 0; r < layout.rows; ++r) {
            if (c < int(columns.size())) {
                deal.push_back(columns[c].at(r));
            } else {
                deal.push_back(turnOrder.back());
                turnOrder.pop_back();
            }
        }
    }
    EXPECT_EQ(int(turnOrder.size()), layout.stockCards()) << "the deal names too many cards";
    // The stock is dealt bottom first: the card turned first is dealt last.
    deal.insert(deal.end(), turnOrder.rbegin(), turnOrder.rend());

    ScriptedRandom random;
    for (int id : deal)
        random.push(id);
    return random;
}

ScriptedRandom fourOnFive()
{
    return scriptedDeal({7, 5}, {{card(Two), card(Nine), card(Ten), card(Six, 1), card(Four)}},
                        {card(Five)});
}

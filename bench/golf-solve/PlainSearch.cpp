#include "PlainSearch.h"

#include <algorithm>
#include <unordered_map>

namespace {

class Plain
{
public:
    int value(GolfPosition &position)
    {
        if (position.over())
            return position.cardsLeft();
        const std::uint64_t key = keyOf(position);
        if (const auto known = values.find(key); known != values.end())
            return known->second;
        int fewest = GolfLayout::DeckSize;
        for (int c = 0; c < position.layout.columns; ++c)
            if (position.canPlay(c))
                fewest = std::min(fewest, after(position, GolfMove::play(c)));
        if (position.canTurn())
            fewest = std::min(fewest, after(position, GolfMove::turn()));
        values.emplace(key, fewest);
        return fewest;
    }

    std::int64_t states() const { return std::int64_t(values.size()); }

private:
    int after(GolfPosition &position, GolfMove move)
    {
        position.apply(move);
        const int result = value(position);
        position.takeBack();
        return result;
    }

    static std::uint64_t keyOf(const GolfPosition &position)
    {
        std::uint64_t key = 0;
        for (int c = 0; c < position.layout.columns; ++c)
            key = key << 4 | std::uint64_t(position.columnLen[c]);
        return (key << 6 | std::uint64_t(position.stockCount)) << 4
            | std::uint64_t(position.top() % 13);
    }

    std::unordered_map<std::uint64_t, int> values;
};

}

PlainAnswer plainSearch(const GolfPosition &position)
{
    Plain plain;
    GolfPosition copy = position;
    const int fewest = plain.value(copy);
    return {fewest, plain.states()};
}

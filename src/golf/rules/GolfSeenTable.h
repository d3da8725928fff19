#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// Positions searched to the end, by their key: the column lengths, the stock count and the
// rank on top, which is all that decides the rest of the game. Each entry also carries the
// number of the search that stored it, so a new search starts with an empty table without
// clearing it. Slots are overwritten when a bucket is full. The table starts small enough to
// stay mostly in the cache (2 MB) and grows once, emptied, to 32 MB for a search that goes on
// much longer than it holds (wide layouts search millions of positions), until the next
// position is solved.
class GolfSeenTable
{
public:
    static constexpr int SmallSlotBits = 18;
    static constexpr int LargeSlotBits = 22;
    static constexpr std::int64_t GrowAfterSlotsTimes = 4;
    static constexpr int BucketSize = 4;
    static constexpr int KeyBits = 50;
    static constexpr std::uint64_t KeyMask = (std::uint64_t(1) << KeyBits) - 1;
    static constexpr std::uint64_t LastSearch = (std::uint64_t(1) << (64 - KeyBits)) - 1;

    GolfSeenTable()
        : slots((std::size_t(1) << SmallSlotBits) + BucketSize, 0)
    { }

    void growFor(std::int64_t searched)
    {
        if (slotBits == LargeSlotBits || searched < GrowAfterSlotsTimes << slotBits)
            return;
        slotBits = LargeSlotBits;
        slots.assign((std::size_t(1) << slotBits) + BucketSize, 0);
    }

    // Back to the small table for the next position: a large one slows every search that
    // does not need it.
    void shrink()
    {
        if (slotBits == SmallSlotBits)
            return;
        slotBits = SmallSlotBits;
        std::vector<std::uint64_t>((std::size_t(1) << slotBits) + BucketSize, 0).swap(slots);
    }

    void startSearch()
    {
        if (++search > LastSearch) {
            std::fill(slots.begin(), slots.end(), 0);
            search = 1;
        }
    }

    bool contains(std::uint64_t key) const
    {
        const std::uint64_t entry = stamped(key);
        const std::size_t first = bucket(key);
        for (std::size_t i = first; i < first + BucketSize; ++i)
            if (slots[i] == entry)
                return true;
        return false;
    }

    void prefetch(std::uint64_t key) const
    {
#if defined(__GNUC__) || defined(__clang__)
        __builtin_prefetch(&slots[bucket(key)]);
#else
        (void)key;
#endif
    }

    void insert(std::uint64_t key)
    {
        const std::size_t first = bucket(key);
        for (std::size_t i = first; i < first + BucketSize; ++i) {
            if (slots[i] >> KeyBits != search) {
                slots[i] = stamped(key);
                return;
            }
        }
        slots[first + (++evictions % BucketSize)] = stamped(key);
    }

private:
    std::uint64_t stamped(std::uint64_t key) const
    {
        return search << KeyBits | key;
    }
    std::size_t bucket(std::uint64_t key) const
    {
        return std::size_t((key * 0x9E3779B97F4A7C15ull) >> (64 - slotBits));
    }

    int slotBits = SmallSlotBits;
    std::vector<std::uint64_t> slots;
    std::uint64_t search = 0;
    std::uint64_t evictions = 0;
};

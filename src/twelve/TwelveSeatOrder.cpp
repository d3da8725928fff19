#include "TwelveSeatOrder.h"

#include <array>

bool TwelveSeatOrder = false;

int seatAtPosition(int position)
{
    static constexpr std::array<int, 5> RoundTheTable{0, 1, 4, 3, 2};
    return TwelveSeatOrder ? RoundTheTable[position] : position;
}

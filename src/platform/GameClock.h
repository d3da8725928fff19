#pragma once

#include <chrono>

// One tick of every animation and turn-flow timer. Movement speeds are measured in
// pixels per tick and were tuned for about 64 ticks a second.
inline constexpr std::chrono::milliseconds GameClockTick{16};

// Intervals shorter than one tick cannot be shown: they are stretched to one tick.
inline constexpr std::chrono::milliseconds atLeastOneTick(std::chrono::milliseconds interval)
{
    return interval < GameClockTick ? GameClockTick : interval;
}

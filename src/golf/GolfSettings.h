#pragma once

#include "CardBacks.h"
#include "GolfLayout.h"

// The window's size and place in its normal state, and whether it was maximized.
struct GolfWindowGeometry
{
    // As large as a Qt widget can be. Stored sizes and places are brought within it, so the
    // placement arithmetic cannot overflow.
    static constexpr int Limit = (1 << 24) - 1;

    int width = 629;
    int height = 459;
    int left = 20;
    int top = 20;
    bool maximized = false;

    friend bool operator==(const GolfWindowGeometry &, const GolfWindowGeometry &) = default;
};

// What "Golf.ini" keeps between launches.
struct GolfSettings
{
    static constexpr int BackDesigns = CardBacks::BackCount;

    bool sound = true;
    // New deals only those the solver can win.
    bool winnableOnly = false;
    // The solver's status line and hints.
    bool hints = true;
    int backIndex = 0;
    GolfLayout layout;
    GolfWindowGeometry geometry;

    friend bool operator==(const GolfSettings &, const GolfSettings &) = default;
};

// Missing keys give the defaults; a back, column or row count out of range gives its default,
// and a layout of more than 52 cards keeps its columns with as many rows as fit. Window sizes
// are kept within 0..Limit and places within -Limit..Limit.
GolfSettings readGolfSettings();
// Throws FileError when the file cannot be written.
void writeGolfSettings(const GolfSettings &settings);

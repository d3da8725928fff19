#pragma once

#include "CardBacks.h"
#include "GolfLayout.h"
#include "WindowGeometry.h"

using GolfWindowGeometry = WindowGeometry;
inline constexpr WindowGeometry GolfDefaultGeometry{629, 459, 20, 20, false};

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
    WindowGeometry geometry = GolfDefaultGeometry;

    friend bool operator==(const GolfSettings &, const GolfSettings &) = default;
};

// Missing keys give the defaults; a back, column or row count out of range gives its default,
// and a layout of more than 52 cards keeps its columns with as many rows as fit. Window sizes
// are kept within 0..Limit and places within -Limit..Limit.
GolfSettings readGolfSettings();
GolfSettings readGolfSettings(const IniFile &file);
// Throws FileError when the file cannot be written.
void writeGolfSettings(const GolfSettings &settings);
// Puts the settings into the file, which is saved by its owner.
void writeGolfSettings(IniFile &file, const GolfSettings &settings);

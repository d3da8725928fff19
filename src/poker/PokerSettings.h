#pragma once

#include "PokerTableLayout.h"
#include "WindowGeometry.h"

#include <QPoint>

class IniFile;

// The window as designed, before it was first resized: its table and the chrome round it.
inline constexpr WindowGeometry PokerDefaultGeometry{
    PokerTableLayout::ClientSize.width() + GameWindowChrome.width(),
    PokerTableLayout::ClientSize.height() + GameWindowChrome.height(), 20, 20, false};
// Where a stored window that lies wholly off every screen comes back, from the primary
// screen's corner.
inline constexpr QPoint PokerReturnOffset{PokerDefaultGeometry.left, PokerDefaultGeometry.top};

// The Poker settings kept in "Poker.ini" beside the program.
struct PokerSettings
{
    static constexpr int DefaultMoveStep = 20;
    // Any larger step already takes a card off the table in one tick; the cap keeps the
    // card positions far from integer overflow.
    static constexpr int MaxMoveStep = 1000;

    // Pixels a sliding card moves per timer tick.
    int MoveStep = DefaultMoveStep;
    bool sound = true;
    // The coach asks before a draw that gives expected money away.
    bool coach = false;
    // The window's size and place; until the file keeps one, the window opens at its designed
    // size over the launcher.
    WindowGeometry window = PokerDefaultGeometry;
    bool windowKept = false;

    friend bool operator==(const PokerSettings &, const PokerSettings &) = default;
};

// Missing values give the defaults; a step below 1 would never move a card, so it gives the
// default too. Window sizes are kept within 0..Limit and places within -Limit..Limit.
PokerSettings loadPokerSettings();
PokerSettings loadPokerSettings(const IniFile &ini);
// Throws FileError when the file cannot be written.
void savePokerSettings(const PokerSettings &settings);
// Puts the settings into the file, which is saved by its owner.
void savePokerSettings(IniFile &ini, const PokerSettings &settings);

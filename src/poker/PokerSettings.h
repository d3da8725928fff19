#pragma once

class IniFile;

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

    friend bool operator==(const PokerSettings &, const PokerSettings &) = default;
};

// Missing values give the defaults; a step below 1 would never move a card, so it gives the
// default too.
PokerSettings loadPokerSettings();
PokerSettings loadPokerSettings(const IniFile &ini);
// Throws FileError when the file cannot be written.
void savePokerSettings(const PokerSettings &settings);
// Puts the settings into the file, which is saved by its owner.
void savePokerSettings(IniFile &ini, const PokerSettings &settings);

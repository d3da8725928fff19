#pragma once

#include "CardBacks.h"
#include "TwelveRules.h"
#include "TwelveTableLayout.h"
#include "WindowGeometry.h"

// How fast the table moves: pixels per tick for travelling and turning cards, and the pause in
// ms after a computer raises a bid.
struct TwelveSpeeds
{
    int MoveStep = 100;
    int TurnStep = 64;
    int BidDelay = 1;
};

// What "Twelve.ini" keeps between launches.
struct TwelveSettings
{
    static constexpr int BackDesigns = CardBacks::BackCount;

    int BackIndex = 0;
    bool Stretch = true;
    bool Sound = true;
    bool FastDraw = true;
    TwelveSpeeds Speeds;
    double Difficulty = 1.0;
    int ScoringMode = SimpleScoring;
    PerSeat<std::string> PlayerNames;
    // The window as the player left it; the designed table at first. Until it has been kept,
    // the window opens where the system puts it.
    WindowGeometry Window{TwelveTableLayout::W + GameWindowChrome.width(),
                          TwelveTableLayout::H + GameWindowChrome.height(), 0, 0, false};
    bool WindowKept = false;
};

// Missing keys give the defaults, names default to defaultNames; values that would stall an
// animation or name no level, scoring mode or back design give their defaults. Names that the
// names dialog could not have left give defaultNames, all four.
TwelveSettings readTwelveSettings(const PerSeat<std::string> &defaultNames);
TwelveSettings readTwelveSettings(const IniFile &file, const PerSeat<std::string> &defaultNames);
// Throws FileError when the file cannot be written.
void writeTwelveSettings(const TwelveSettings &settings);
// Puts the settings into the file, which is saved by its owner.
void writeTwelveSettings(IniFile &file, const TwelveSettings &settings);

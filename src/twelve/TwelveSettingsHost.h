#pragma once

#include "TwelveRules.h"
#include "TwelveSettings.h"

// What the settings dialog changes in the open Twelve window.
class TwelveSettingsHost
{
public:
    virtual ~TwelveSettingsHost() = default;

    // The speeds the table animates with; a change applies from the next tick on.
    virtual TwelveSpeeds &speeds() = 0;
    // Difficulty and ScoringMode live in the game.
    virtual TwelveGame &game() = 0;
    // A game is in progress until its game-over panel shows.
    virtual bool gameInProgress() const = 0;
    // Drawing without double buffering: faster, but it may flicker.
    virtual void setFastDraw(bool fast) = 0;
    virtual void NewGame() = 0;
};

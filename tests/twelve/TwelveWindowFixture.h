#pragma once

#include "Random.h"
#include "ScriptedRandom.h"
#include "Sound.h"
#include "TempDataDir.h"
#include "TwelveTable.h"
#include "uFo.h"
#include "uTwelve.h"

#include <QStringList>
#include <functional>
#include <memory>

// Counts the sounds the window plays instead of playing them; a test may act while one plays.
class SoundRecorder : public Sound::Backend
{
public:
    void play(const QString &path, Sound::Mode mode) override;

    int played = 0;
    std::function<void()> whilePlaying;
};

// A Twelve window over the program's shared windows, driven as the move timer would drive it:
// each tick is a direct call, so nothing waits for real time.
class TwelveWindowTest : public TempDataDir
{
protected:
    TwelveWindowTest();
    ~TwelveWindowTest() override;

    void open();
    TwelveTable &table() const { return *window->table; }
    const TwelveGame &game() const { return window->state(); }
    TurnState state() const { return window->turnFlow().GameState(); }

    // Ticks until the game waits for the player; the number of ticks it took.
    int tickUntilWaiting();
    void pressFace(int card);
    void press(QWidget *widget);
    int heldCard(int seat, int index = 0) const;
    // Puts the first held card and plays the turn until the cards lie face up.
    void putAndTurnUp();
    // Plays the player's simplest part (his first card, the first free middle card, "No more")
    // until the condition holds while the game waits for him; false if the game ended first.
    bool playUntil(const std::function<bool()> &condition, int decisions = 5000);
    // Answers the next modal windows, one caption each, in turn.
    static void answerModalsInTurn(QStringList captions);
    void confirmRound();

    SeededRandom random{7};
    ProgramRandomScope randomScope{random};
    SoundRecorder sounds;
    std::unique_ptr<TfrmFo> program;
    std::unique_ptr<TfrmTwelve> window;
};

#pragma once

#include "LauncherWindow.h"
#include "Random.h"
#include "ScriptedRandom.h"
#include "Sound.h"
#include "TempDataDir.h"
#include "TwelveTable.h"
#include "TwelveWindow.h"

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

// An auction waits for the player to raise or give up.
inline bool waitingForHumanBid(const TwelveGame &game, TurnState state)
{
    return state == TurnState::Bidding && game.InAuction[HumanSeat] && game.Leader != HumanSeat;
}

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
    // Ticks as long as the condition holds, whether the timer runs or not.
    void tickWhile(const std::function<bool()> &condition);
    void pressFace(int card);
    void press(QWidget *widget);
    int heldCard(int seat, int index = 0) const;
    // Puts the first held card and plays the turn until the cards lie face up.
    void putAndTurnUp();
    // The face-up middle card that would help the player's hand most.
    int mostWantedSlot() const;
    // The player's moves as playUntil makes them: clicks here, keys in a fixture of keys.
    virtual void put(int card) { pressFace(card); }
    virtual void choose(int slot) { pressFace(game().TurnSlot[slot].Card); }
    virtual void giveUp();
    virtual void confirm() { confirmRound(); }
    // Plays the player's part as a computer would choose (his least valued card, the middle card
    // worth most to him, "No more") until the condition holds while the game waits for him;
    // false if the game ended first.
    bool playUntil(const std::function<bool()> &condition, int decisions = 5000);
    // The card on sale as the player is asked to bid, and his points then.
    struct Contest
    {
        int slot;
        int card;
        int points;
    };
    Contest currentContest() const;
    // Raises with `raise` until the computers stop answering, checking the table with
    // `afterRaise` after each raise.
    void outbid(const std::function<void()> &raise, const std::function<void()> &afterRaise);
    // Plays until the card on sale has gone: to the player at the bid that won it, or elsewhere
    // at no cost to him.
    void expectContestSettled(const Contest &contest, bool won);
    // Answers the next modal windows, one caption each, in turn.
    static void answerModalsInTurn(QStringList captions);
    void confirmRound();

    SeededRandom random{7};
    ProgramRandomScope randomScope{random};
    SoundRecorder sounds;
    std::unique_ptr<LauncherWindow> program;
    std::unique_ptr<TwelveWindow> window;
};

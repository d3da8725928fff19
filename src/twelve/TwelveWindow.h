#pragma once

#include "GameWindow.h"
#include "StatisticsFile.h"
#include "TwelveRules.h"
#include "TwelveSettingsHost.h"
#include "TwelveTurn.h"
#include "WindowGeometry.h"

#include <chrono>
#include <memory>
#include <optional>

class QAction;
class QLockFile;
class QMenuBar;
class QTimer;
class TwelveHintView;
class TwelveKeys;
class TwelveTable;
class TwelveThinker;
class WindowPlacement;

// The Twelve game window: the table, the menus, and the move timer that drives every turn. The
// turn's rules are the engine's; the window animates between its steps, passes the player's
// clicks on, and keeps the settings in "Twelve.ini" between launches.
class TwelveWindow : public GameWindow, private TwelveSettingsHost
{
    Q_OBJECT
public:
    explicit TwelveWindow(QWidget *parent = nullptr);
    ~TwelveWindow() override;

    const TwelveGame &state() const { return twelve; }
    // The side windows read and write the game's names and settings here.
    TwelveGame &state() { return twelve; }
    const TwelveTurn &turnFlow() const { return turn; }
    const TwelveSpeeds &pace() const { return steps; }
    int backIndex() const { return BackIndex; }

    QMenuBar *mainMenu;
    QAction *newGameAction;
    QAction *pointsAction;
    QAction *statisticsAction;
    QAction *bestScoresAction;
    QAction *hintAction;
    QAction *deckAction;
    QAction *stretchAction;
    QAction *soundAction;
    QAction *settingsAction;
    QAction *namesAction;
    QAction *helpAction;
    QAction *keysAction;
    QAction *aboutAction;
    TwelveTable *table;
    TwelveHintView *hint;
    QTimer *moveTimer;
    // Thinks for the computers of level 8 while the window goes on.
    TwelveThinker *thinker;
    // Keeps the window's size, place and state for "Twelve.ini".
    WindowPlacement *placement;

    // One tick of the move timer: the next step of whatever moves, or the next bid.
    void moveTick();
    void cardMouseDown(int card);
    void bidOnePressed();
    void bidFivePressed();
    void atAllCostsPressed();
    void noMorePressed();
    void roundEndOkClicked();
    void newGameClicked();

    void onNewGame();
    void onPoints();
    void onStatistics();
    void onBestScores();
    void onHint();
    void onDeck();
    void onStretch();
    void onSettings();
    void onNames();
    void onHelp();
    void onAbout();

    void UpdateTitles();
    void UpdateNameLabels();
    // Deals a new game at once; the menu and the panels ask first when they must.
    void NewGame() override;

    // Opening the window reads "Twelve.ini", then goes on with a kept game or deals.
    void setVisible(bool visible) override;

protected:
    bool mayClose() override;
    void saveSettings() override;
    void hideEvent(QHideEvent *event) override;

private:
    void createMenu();
    void LoadSettings();

    // An unfinished game kept between launches, by one window at a time.
    bool lockKeptGame();
    void unlockKeptGame();
    bool continueKeptGame();
    void keepGame();
    void forgetKeptGame();
    void keptGameUnreadable();
    // A kept game goes on by its own level and scoring when they are not the player's settings.
    bool playingKeptRules() const;
    void showScoreBoxes();

    // The turn flow: what the table shows when the engine has moved on.
    void advance();
    void updateControls();
    // Whether a press on the card would put it or take it from the middle now.
    bool cardActs(int card) const;
    // The face-up middle slot holding the card, or 0.
    int middleSlotOf(int card) const;
    void roundDealt();
    void followTurn();
    void computersDecided(const ForesightAnswer &answer);
    void startTravels();
    void showRoundEnd();
    // Why the round that just ended was drawn; empty when a seat collected a twelve.
    QString roundEndNote() const;
    void saleClosed();
    void delivered(const Sale &sale);
    void bidRaised(int seat);
    // ifRefused: the interval to restart the stopped timer with when the engine refuses the
    // step; zero leaves it stopped.
    void applyBidOutcome(BidOutcome outcome, std::chrono::milliseconds ifRefused);
    void humanRaised(bool raised);
    void runTimer(std::chrono::milliseconds interval);

    // What the settings dialog changes.
    TwelveSpeeds &speeds() override { return steps; }
    TwelveGame &game() override { return twelve; }
    bool gameInProgress() const override;
    void setFastDraw(bool fast) override;

    TwelveGame twelve;
    TwelveTurn turn;
    StatisticsOpener statistics;
    // The statistics file already holds the game under way.
    bool statisticsUnderWay = false;
    TwelveSpeeds steps;
    int BackIndex = 0;

    struct GameRules
    {
        double Difficulty = 1.0;
        int ScoringMode = SimpleScoring;
        bool operator==(const GameRules &) const = default;
    };
    // Set while a kept game plays by rules of its own: the player's settings, and the kept ones.
    std::optional<GameRules> settingsRules;
    GameRules keptRules;
    // The level and scoring the player chose, which a new game plays by.
    GameRules playerRules() const;
    void playBy(const GameRules &rules);
    // An unreadable kept game stayed where it was: it is neither replaced nor removed.
    bool keptFileStuck = false;
    // This window keeps its game, holding the lock; the last write failed.
    bool keeping = false;
    bool keepFailed = false;
    std::unique_ptr<QLockFile> keptLock;
    std::unique_ptr<TwelveKeys> keys;
    WindowGeometry geometry;
};

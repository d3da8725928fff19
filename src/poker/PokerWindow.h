#pragma once

#include "GameWindow.h"
#include "PokerCoachTally.h"
#include "PokerFileDialog.h"
#include "PokerGame.h"
#include "PokerOdds.h"
#include "PokerSettings.h"
#include "PokerStatisticsPages.h"
#include "ScaledCardArt.h"
#include "ScaledParts.h"
#include "StatisticsFile.h"

#include <array>
#include <memory>
#include <optional>

class HintFrame;
class Picture;
class PokerCoach;
class PokerKeys;
class PressButton;
class QAction;
class QFrame;
class QLabel;
class QMenuBar;
class QPushButton;
class QTimer;
class StatsTable;
class WindowPlacement;

// The Poker window: five cards on a table, discard marks, the pay table with the game's
// statistics, the money, and the saved-game commands. The game itself is a PokerGame; the
// window shows it, feeds it the player's presses and slides the cards that leave the table.
class PokerWindow : public GameWindow
{
    Q_OBJECT
public:
    static constexpr int DeckSize = 52;

    explicit PokerWindow(QWidget *parent = nullptr);
    ~PokerWindow() override;

    const PokerGame &game() const { return pokerGame; }
    int MoveStep() const { return settings.MoveStep; }

    // The client area below the menu; every table item lies on it.
    QWidget *table;
    Picture *background;
    QLabel *scoreCaption;
    QLabel *scoreLabel;
    PressButton *invertButton;
    PressButton *okButton;
    QLabel *resultPanel;
    QFrame *gameOverPanel;
    Picture *gameOverPicture;
    QPushButton *newGameButton;
    QPushButton *exitButton;
    QTimer *slideTimer;
    QMenuBar *mainMenu;
    QAction *newGameAction;
    QAction *openAction;
    QAction *saveAction;
    QAction *saveAsAction;
    QAction *bestScoresAction;
    QAction *statisticsAction;
    QAction *hintAction;
    QAction *speedAction;
    QAction *soundAction;
    QAction *coachAction;
    QAction *helpAction;
    QAction *keysAction;
    QAction *aboutAction;
    // One picture per card id, the discard crosses and the labels under the five positions.
    std::array<Picture *, DeckSize> cardPictures{};
    std::array<Picture *, CardsInHand> DiscardMarks{};
    std::array<QLabel *, CardsInHand> HoldLabels{};
    std::unique_ptr<StatsTable> statsTable;
    // The coach's line: the values of the hint, and how well the player has held.
    QLabel *coachPanel;
    // The frames of the hint round the cards the best hold keeps.
    std::array<HintFrame *, CardsInHand> hintFrames{};
    PokerCoach *coach;
    // Keeps the window's size, place and state for "Poker.ini".
    WindowPlacement *placement;

    // Asks for the file of "Open" and "Save As"; tests put their own chooser here.
    PokerFileChooser chooseGameFile;

    // One tick of the slide animation.
    void MoveTick();

    // The player's Ok: draws, or clears the evaluated hand away.
    void Proceed();
    void Invert();
    // Frames the cards the best hold keeps and gives its value and that of the player's marks;
    // as soon as the hand is valued, when it is not yet.
    void Hint();
    // A left press marks a card, one on its discard cross unmarks it; any other button is Ok.
    void cardPressed(int card, Qt::MouseButton button);
    void markPressed(int position, Qt::MouseButton button);
    // Starts a new game without asking.
    void NewGame();

    // The saved-game commands. AskSaveGame is true when the current game may be thrown away.
    bool AskSaveGame();
    void Save();
    void SaveAs();
    void LoadGame();
    void showStatistics();

protected:
    bool mayClose() override;
    void saveSettings() override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createTable();
    // The whole table follows its widget, scaled as a whole and centred, the background
    // picture filling it; the pictures are drawn for the new scale.
    void rescale();
    void keepFonts();
    void createGameOverPanel();
    void createCards();
    void createMenu();
    void prepareSharedWindows();

    void askNewGame();
    void chooseSpeed();
    void playCardSound();

    bool isSliding() const;
    void startSlide();
    // Brings the table in line with the game after it dealt, evaluated or ended.
    void showGame();
    void showHand();
    void showMarks();
    void showScore();
    void showResult();
    void showGameOver();
    void setPlayable(bool playable);

    // What the statistics count: each hand once it is paid, each game once it is over.
    void startBankLine();
    void handDealtForStatistics();
    void countHand();
    void countGame();

    void createCoach();
    void handDealt();
    void handValued(const PokerCards &hand, const HoldValues &values);
    void marksChanged();
    void showHint();
    void clearHintFrames();
    void showCoachPanel();
    HoldMask heldMask() const;
    // Before a draw: true to draw, false when the player wants to change his marks.
    bool coachLetsDraw();
    // The player drew keeping these cards.
    void drawn(HoldMask held);
    void SaveGame(const QString &path);
    // Saves to or loads from the file; on success it becomes the current file.
    bool useGameFile(const QString &path, void (*use)(const QString &, PokerGame &));

    ScaledParts parts;
    ScaledCardArt cardArt;
    // The background picture as drawn, before it is cut to the table's shape.
    QPixmap backgroundSource;
    PokerGame pokerGame;
    PokerSettings settings;
    QString GameFileName;
    bool HasFileName = false;
    // Set from showing the window until the timer's first tick; the game waits for it.
    bool waitingForFirstTick = false;
    bool opened = false;
    std::unique_ptr<PokerKeys> keys;
    // The values of the hand on the table, once the coach has worked them out.
    std::optional<HoldValues> handValues;
    bool hintWanted = false;
    PokerCoachTally gameTally;
    StatisticsOpener statistics;
    PokerBankLine bankLine;
    HandRank dealtRank = Runt;
    // What the best hold of the hand on the table could expect, once the coach has valued it.
    std::optional<double> bestPlayGain;
    bool handCounted = true;
    bool gameCounted = false;
};

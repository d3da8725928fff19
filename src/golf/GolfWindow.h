#pragma once

#include "GameWindow.h"
#include "GolfAdvisor.h"
#include "GolfDealRandom.h"
#include "GolfGame.h"
#include "GolfResults.h"
#include "GolfResultsGate.h"
#include "GolfSettings.h"
#include "GolfStatisticsRecorder.h"
#include "ScaledCardArt.h"
#include "ScaledParts.h"

#include <array>
#include <functional>
#include <memory>
#include <optional>

class HintFrame;
class GolfSolver;

class GolfKeys;
class Picture;
class QAction;
class QLabel;
class QMenuBar;
class QStatusBar;
class QTimer;
class WindowPlacement;

// The Golf game window: the table with the 52 card pictures, the stock and the foundation, the
// menu, and the window's size and place, kept in "Golf.ini" between launches.
class GolfWindow : public GameWindow, private GolfView
{
    Q_OBJECT
public:
    explicit GolfWindow(QWidget *parent = nullptr);
    ~GolfWindow() override;

    const GolfGame &game() const { return golf; }
    // The window's outer size as "Golf.ini" keeps it: the table plus frame, caption and menu.
    QSize outerSize() const;

    QMenuBar *mainMenu;
    QAction *newGameAction;
    QAction *backupAction;
    QAction *resultsAction;
    QAction *statisticsAction;
    QAction *hintAction;
    QAction *solveAction;
    QAction *deckAction;
    QAction *soundAction;
    QAction *winnableOnlyAction;
    QAction *showHintsAction;
    QAction *settingsAction;
    QAction *helpAction;
    QAction *keysAction;
    QAction *aboutAction;
    // The green client area under the menu; every position on it is in its coordinates.
    QWidget *table;
    std::array<Picture *, GolfLayout::DeckSize> cardPictures;
    Picture *stockPicture;
    QLabel *stockCountLabel;
    QLabel *resultLabel;
    // Keeps the window's size, place and state for "Golf.ini".
    WindowPlacement *placement;
    // The solver's status line under the table, the hint's frame, and the clock of Solve.
    QStatusBar *statusLine;
    QLabel *solverLabel;
    HintFrame *hintFrame;
    QTimer *solveTimer;

    void cardPressed(const Picture *card, Qt::MouseButton button);
    void turnStock();
    void onNewGame();
    void onBackup();
    void onResults();
    void onStatistics();
    void onDeck();
    void onSettings();
    void onHelp();
    void onAbout();
    void onHint();
    void onSolve();
    void onShowHints();
    // Plays the next move of Solve's line.
    void playNextSolveMove();
    bool solving() const;
    // "Winnable deals only" is looking for a deal to take the place of the one shown.
    bool lookingForWinnableDeal() const { return lookingForDeal; }
    // The latest answer of the solver, once it has one for the position on the table.
    const std::optional<GolfAdvice> &advice() const { return currentAdvice; }

    // Opening the window reads "Golf.ini" and deals.
    void setVisible(bool visible) override;

protected:
    bool mayClose() override;
    void saveSettings() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createMenu();
    void createCards();
    void readSettings();
    void updateMinimumSize();
    // The table follows its widget: the layout fills what the widget holds at the largest
    // card size that fits, and the pictures are drawn for that size.
    void tableResized();
    void drawPictures();
    void placeResult();
    void playerMove(const std::function<void()> &move);
    // Runs a step that writes a file; a failure is reported and the game goes on.
    void tellFileErrors(const std::function<void()> &step);
    // Runs a move of the game; a results file that cannot be written is reported and the
    // game goes on.
    void reportFileErrors(const std::function<void()> &move);
    // A new deal, one the solver can win if the player asked for that.
    void dealNewGame();
    // Every change of the position: the old advice goes, new advice is asked for.
    void positionChanged();
    void adviceArrived(const GolfPosition &position, const GolfAdvice &advice);
    void dealArrived(const GolfDealSearch &search);
    void stopLookingForDeal();
    void showHint();
    void startSolving();
    void stopSolving();
    void showHintsOption();

    void hideAllCards() override;
    void hideCard(int id) override;
    void PlaceInColumn(int column, int row, int id) override;
    void PlaceOnFoundation(int id, int foundationCount) override;
    void showStock(bool shown) override;
    void setStockCount(int count) override;
    void ShowResult(int cardsLeft) override;
    void hideResult() override;
    void playSound(Sound sound) override;

    ScaledParts parts;
    ScaledCardArt cardArt;
    // What the table holds at its scale, in designed pixels.
    QSize room;
    // The designed height of the yellow labels, a line of their text.
    int labelHeight;
    GolfSettings settings;
    GolfResultsFile results;
    GolfResultsGate resultsGate{results};
    GolfStatisticsRecorder statistics{resultsGate, StatisticsFile::defaultPath()};
    GolfDealRandom dealRandom;
    GolfGame golf;

    GolfAdvisor advisor;
    std::optional<GolfPosition> askedAbout;
    std::optional<GolfAdvice> currentAdvice;
    bool hintWanted = false;
    bool solveWanted = false;
    std::vector<GolfMove> solveLine;
    std::size_t solveNext = 0;
    // A winnable deal is being looked for; what the status line says of the deal dealt.
    bool lookingForDeal = false;
    QString dealNote;
    std::unique_ptr<GolfKeys> keys;
};

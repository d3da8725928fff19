#pragma once

#include "GameWindow.h"
#include "GolfGame.h"
#include "GolfResults.h"
#include "GolfSettings.h"

#include <array>
#include <functional>
#include <memory>

class GolfKeys;
class Picture;
class QAction;
class QLabel;
class QMenuBar;
class QTimer;

// The Golf game window: the table with the 52 card pictures, the stock and the foundation, the
// menu, and the window's size and place, kept in "Golf.ini" between launches.
class TfrmGolf : public GameWindow, private GolfView
{
    Q_OBJECT
public:
    explicit TfrmGolf(QWidget *parent = nullptr);
    ~TfrmGolf() override;

    const GolfGame &game() const { return golf; }
    // The window's outer size as "Golf.ini" keeps it: the table plus frame, caption and menu.
    QSize outerSize() const;

    QMenuBar *MainMenu1;
    QAction *NewGame1;
    QAction *Backup1;
    QAction *Results1;
    QAction *Deck1;
    QAction *Sound1;
    QAction *Settings1;
    QAction *Help1;
    QAction *Keys1;
    QAction *About1;
    // The green client area under the menu; every position on it is in its coordinates.
    QWidget *table;
    std::array<Picture *, GolfLayout::DeckSize> imgKartyak;
    Picture *imgHatlap;
    QLabel *lblMaradt;
    QLabel *lblEredm;
    QTimer *tmrMeretez;

    void img0MouseDown(const Picture *card, Qt::MouseButton button);
    void turnStock();
    void NewGame1Click();
    void Backup1Click();
    void Results1Click();
    void Deck1Click();
    void Settings1Click();
    void Help1Click();
    void About1Click();
    // Notes the window's state and, in the normal state, its size and place.
    void tmrMeretezTimer();

    // Opening the window reads "Golf.ini" and deals.
    void setVisible(bool visible) override;

protected:
    bool mayClose() override;
    void saveSettings() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    void createMenu();
    void createCards();
    void readSettings();
    void placeWindow(const GolfWindowGeometry &geometry);
    void updateMinimumSize();
    void tableResized();
    // Runs a move of the game; a results file that cannot be written is reported and the
    // game goes on.
    void reportFileErrors(const std::function<void()> &move);

    void hideAllCards() override;
    void hideCard(int id) override;
    void PlaceInColumn(int column, int row, int id) override;
    void PlaceOnFoundation(int id, int foundationCount) override;
    void showStock(bool shown) override;
    void setStockCount(int count) override;
    void ShowResult(int cardsLeft) override;
    void hideResult() override;
    void playSound(Sound sound) override;

    GolfSettings settings;
    GolfResultsFile results;
    GolfGame golf;
    std::unique_ptr<GolfKeys> keys;
};

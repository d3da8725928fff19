#pragma once

#include "TwelveRules.h"

#include "SharedWindow.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QPushButton;
class QScrollArea;

class TwelveScoreSheet;
// The Twelve score sheet, made at start-up.
extern TwelveScoreSheet *twelveScoreSheet;

// The running totals of the four seats after every round of the current Twelve game, like a
// paper score sheet; after the last round also the player's final score. Columns list the seats
// as seatAtPosition orders them.
class TwelveScoreSheet : public QDialog
{
    Q_OBJECT
public:
    static constexpr int SheetRows = 52; // row 0 holds the names
    static constexpr int SheetColumns = 5; // column 0 holds the round numbers

    explicit TwelveScoreSheet(QWidget *parent = nullptr);

    // Fills the sheet from the game and shows it modally; the final score shows once the game
    // is over.
    void ShowScoreSheet(const TwelveGame &game, int score);

    QScrollArea *scrollArea;
    // Carries the cells; painted with the wall texture when there is one.
    QWidget *background;
    std::array<std::array<QLabel *, SheetColumns>, SheetRows> cellLabels;
    QLabel *finalScoreLabel;
    QFrame *buttonPanel;
    QPushButton *okButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildGrid();
    void paintWall();
    void fitSheetToCells();

private:
    SharedWindowSlot<TwelveScoreSheet> instance{twelveScoreSheet, this};
};

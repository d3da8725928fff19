#pragma once

#include "TwelveRules.h"

#include "SharedWindow.h"

#include <QDialog>

class QLabel;
class QPushButton;

class TfrmReszeredmA;
// The Twelve score sheet, made at start-up.
extern TfrmReszeredmA *frmReszeredmA;

// The running totals of the four seats after every round of the current Twelve game, like a
// paper score sheet; after the last round also the player's final score.
class TfrmReszeredmA : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmReszeredmA(QWidget *parent = nullptr);

    // Fills the sheet from the game and shows it modally; the final score shows once the game
    // is over.
    void ShowScoreSheet(const TwelveGame &game, int score);

    QLabel *lblSheet;
    QPushButton *bbtnOk;

private:
    SharedWindowSlot<TfrmReszeredmA> instance{frmReszeredmA, this};
};

#pragma once

#include "SharedWindow.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QSlider;

class TfrmPokerSpeed;
// The program's speed dialog, made at start-up.
extern TfrmPokerSpeed *frmPokerSpeed;

// The Poker speed dialog: a track bar position p stands for p * p pixels per tick.
class TfrmPokerSpeed : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmPokerSpeed(QWidget *parent = nullptr);

    // Shows the dialog for this step; OK gives the chosen one, Cancel the step unchanged.
    int chooseMoveStep(int moveStep);

    QLabel *Label1;
    QSlider *trbMozgSeb;
    QFrame *pnlGombok;
    QPushButton *BitBtn1;
    QPushButton *BitBtn2;

protected:
    void showEvent(QShowEvent *event) override;

private:
    SharedWindowSlot<TfrmPokerSpeed> instance{frmPokerSpeed, this};
};

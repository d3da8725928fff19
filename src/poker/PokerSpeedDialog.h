#pragma once

#include "SharedWindow.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QSlider;

class PokerSpeedDialog;
// The program's speed dialog, made at start-up.
extern PokerSpeedDialog *pokerSpeedDialog;

// The Poker speed dialog: a track bar position p stands for p * p pixels per tick.
class PokerSpeedDialog : public QDialog
{
    Q_OBJECT
public:
    explicit PokerSpeedDialog(QWidget *parent = nullptr);

    // Shows the dialog for this step; OK gives the chosen one, Cancel the step unchanged.
    int chooseMoveStep(int moveStep);

    QLabel *speedLabel;
    QSlider *speedSlider;
    QFrame *buttonPanel;
    QPushButton *okButton;
    QPushButton *cancelButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    SharedWindowSlot<PokerSpeedDialog> instance{pokerSpeedDialog, this};
};

#pragma once

#include "SharedWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class BestScoreNameDialog;
// The program's name-entry window, made at start-up.
extern BestScoreNameDialog *bestScoreNameDialog;

// Asks the player's name when a score enters the best-scores list. The name typed stays in
// nameEdit for the next entry while the program runs; Twelve proposes its player's name there.
class BestScoreNameDialog : public QDialog
{
    Q_OBJECT
public:
    explicit BestScoreNameDialog(QWidget *parent = nullptr);

    // Shows the window modally with the score and returns the name as typed.
    QString askName(int score);

    QLabel *topScoresLabel;
    QLabel *scoreLabel;
    QLabel *nameCaption;
    QLineEdit *nameEdit;
    QPushButton *okButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    SharedWindowSlot<BestScoreNameDialog> instance{bestScoreNameDialog, this};
};

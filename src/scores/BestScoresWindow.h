#pragma once

#include "BestScores.h"

#include "SharedWindow.h"

#include <QDialog>

class QFrame;
class QPushButton;
class QTextEdit;

class BestScoresWindow;
// The program's list window, made at start-up.
extern BestScoresWindow *bestScoresWindow;

// Shows a best-scores list in two coloured columns, names and scores, sized to their text,
// with the newest entry highlighted. "Clear" resets the list after asking.
class BestScoresWindow : public QDialog
{
    Q_OBJECT
public:
    explicit BestScoresWindow(QWidget *parent = nullptr);

    // Fills the columns from the list and sizes the window to them; shows the window modally
    // unless it is showing already (after "Clear" it is refilled in place).
    void ShowBestScoreWindow(const BestScoreList &list);
    void clearClicked();

    QTextEdit *nameColumn;
    QTextEdit *scoreColumn;
    QFrame *buttonPanel;
    QPushButton *okButton;
    QPushButton *clearButton;

protected:
    void showEvent(QShowEvent *event) override;

private:
    int lineHeight() const;
    void placeControls(int nameWidth, int scoreWidth, int lineHeight, int lines);

private:
    SharedWindowSlot<BestScoresWindow> instance{bestScoresWindow, this};
};

// The one entry point of the best-scores list: a positive score is offered to the list and asks
// the player's name when it enters; 0 shows the list; a negative score clears it. The list is
// saved and shown, except when a positive score does not enter an intact list: then nothing is
// shown. The game says first which list and whose captions, for example:
//     bestScoreList().setBase(UserFile("Poker.exe")); // the file Poker.ere
//     bestScoreList().setCount(15);
//     bestScoreNameDialog->setWindowTitle("Kovra - Poker");
//     bestScoresWindow->setWindowTitle("Kovra - Poker - Best scores");
//     questionDialog->setWindowTitle("Kovra - Poker");
void ShowBestScores(int score);

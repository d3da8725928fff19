#pragma once

#include "SharedWindow.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmNyert;
// The program's name-entry window, made at start-up.
extern TfrmNyert *frmNyert;

// Asks the player's name when a score enters the best-scores list. The name typed stays in
// edtNev for the next entry while the program runs; Twelve proposes its player's name there.
class TfrmNyert : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmNyert(QWidget *parent = nullptr);

    // Shows the window modally with the score and returns the name as typed.
    QString askName(int score);

    QLabel *Label1;
    QLabel *lblPont;
    QLabel *Label2;
    QLineEdit *edtNev;
    QPushButton *bbtnOk;

protected:
    void showEvent(QShowEvent *event) override;

private:
    SharedWindowSlot<TfrmNyert> instance{frmNyert, this};
};

#pragma once

#include "GolfLayout.h"
#include "GolfResults.h"

#include "SharedWindow.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

class TfrmGolfPontok;
// The Golf results dialog, made at start-up.
extern TfrmGolfPontok *frmGolfPontok;

// The results of one layout: wins, games by cards left in buckets of five, games finished.
class TfrmGolfPontok : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGolfPontok(QWidget *parent = nullptr);

    // Shows the results of this layout modally, read from the file as it is now.
    void showResults(GolfLayout layout);

    QLabel *lblPalya;
    std::array<QLabel *, GolfResultsFile::ShownRows> lblNev;
    std::array<QLabel *, GolfResultsFile::ShownRows> lblErtek;
    QPushButton *bbtnOk;
    QPushButton *bbtnPontTorl;

    void bbtnPontTorlClick();
    // Esc asks to clear the scores, like the button that answers it.
    void reject() override;

private:
    void showTable();

    GolfLayout shownLayout;

private:
    SharedWindowSlot<TfrmGolfPontok> instance{frmGolfPontok, this};
};

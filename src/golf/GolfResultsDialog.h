#pragma once

#include "GolfLayout.h"
#include "GolfResults.h"

#include "SharedWindow.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

class GolfResultsDialog;
// The Golf results dialog, made at start-up.
extern GolfResultsDialog *golfResultsDialog;

// The results of one layout: wins, games by cards left in buckets of five, games finished.
class GolfResultsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GolfResultsDialog(QWidget *parent = nullptr);

    // Shows the results of this layout modally, read from the file as it is now.
    void showResults(GolfLayout layout);

    QLabel *layoutLabel;
    std::array<QLabel *, GolfResultsFile::ShownRows> nameLabels;
    std::array<QLabel *, GolfResultsFile::ShownRows> valueLabels;
    QPushButton *okButton;
    QPushButton *clearButton;

    void clearClicked();
    // Esc asks to clear the scores, like the button that answers it.
    void reject() override;

private:
    void showTable();

    GolfLayout shownLayout;

private:
    SharedWindowSlot<GolfResultsDialog> instance{golfResultsDialog, this};
};

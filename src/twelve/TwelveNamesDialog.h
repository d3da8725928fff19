#pragma once

#include "TwelveRules.h"

#include "SharedWindow.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class TwelveNamesDialog;
// The Twelve names dialog, made at start-up.
extern TwelveNamesDialog *twelveNamesDialog;

// Edits the names of the four Twelve seats; two equal names are refused. The boxes list the
// seats as seatAtPosition orders them.
class TwelveNamesDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TwelveNamesDialog(QWidget *parent = nullptr);

    // Shows the dialog modally with these names; true when OK took new names into them.
    bool editNames(PerSeat<std::string> &names);

    // The names in force until "Twelve.ini" supplies others: the boxes' texts as designed, in
    // seat order.
    const PerSeat<std::string> &defaultNames() const { return designedNames; }

    QLabel *yourNameLabel;
    QLabel *otherNamesLabel;
    std::array<QLineEdit *, SeatCount> nameEdits;
    QFrame *buttonPanel = nullptr;
    QPushButton *okButton = nullptr;
    QPushButton *cancelButton = nullptr;

    void okClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    PerSeat<QString> typedNames() const;

    PerSeat<std::string> designedNames;
    PerSeat<std::string> *editing = nullptr;

private:
    SharedWindowSlot<TwelveNamesDialog> instance{twelveNamesDialog, this};
};

#pragma once

#include "TwelveRules.h"

#include "SharedWindow.h"

#include <QDialog>
#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

class Tfrm4NevBekerA;
// The Twelve names dialog, made at start-up.
extern Tfrm4NevBekerA *frm4NevBekerA;

// Edits the names of the four Twelve seats; two equal names are refused. The boxes list the
// seats as seatAtPosition orders them.
class Tfrm4NevBekerA : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm4NevBekerA(QWidget *parent = nullptr);

    // Shows the dialog modally with these names; true when OK took new names into them.
    bool editNames(PerSeat<std::string> &names);

    // The names in force until "Twelve.ini" supplies others: the boxes' texts as designed, in
    // seat order.
    const PerSeat<std::string> &defaultNames() const { return designedNames; }

    QLabel *Label1;
    QLabel *Label2;
    std::array<QLineEdit *, SeatCount> edtNames;
    QFrame *pnlGombok = nullptr;
    QPushButton *bbtnOk = nullptr;
    QPushButton *bbtnMegsem = nullptr;

    void bbtnOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    PerSeat<QString> typedNames() const;

    PerSeat<std::string> designedNames;
    PerSeat<std::string> *editing = nullptr;

private:
    SharedWindowSlot<Tfrm4NevBekerA> instance{frm4NevBekerA, this};
};

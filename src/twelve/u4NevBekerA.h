#pragma once

#include "TwelveRules.h"

#include "SharedWindow.h"

#include <QDialog>
#include <array>

class QLineEdit;
class QPushButton;

class Tfrm4NevBekerA;
// The Twelve names dialog, made at start-up.
extern Tfrm4NevBekerA *frm4NevBekerA;

// Edits the names of the four Twelve seats; two equal names are refused.
class Tfrm4NevBekerA : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm4NevBekerA(QWidget *parent = nullptr);

    // Shows the dialog modally with these names; true when OK took new names into them.
    bool editNames(PerSeat<std::string> &names);

    std::array<QLineEdit *, 4> edtNames;
    QPushButton *bbtnOk;
    QPushButton *bbtnMegsem;

    void bbtnOkClick();

private:
    PerSeat<std::string> *editing = nullptr;

private:
    SharedWindowSlot<Tfrm4NevBekerA> instance{frm4NevBekerA, this};
};

#pragma once

#include "GolfLayout.h"

#include "SharedWindow.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

class TfrmGolfBeall;
// The Golf settings dialog, made at start-up.
extern TfrmGolfBeall *frmGolfBeall;

// The layout settings dialog: how many columns and rows the next deal has.
class TfrmGolfBeall : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmGolfBeall(QWidget *parent = nullptr);

    // Shows the dialog modally for the current layout. True when the player confirmed a new
    // layout (the game in progress, unless over, only after a question); it is then in layout.
    bool chooseLayout(GolfLayout &layout, bool gameOver);

    QLabel *lblOszl;
    QSpinBox *seOszl;
    QLabel *lblSor;
    QSpinBox *seSor;
    QFrame *pnlGombok;
    QPushButton *bbtnMegsem;
    QPushButton *bbtnOk;

    void bbtnOkClick();

private:
    bool gameOver = false;

private:
    SharedWindowSlot<TfrmGolfBeall> instance{frmGolfBeall, this};
};

#pragma once

#include "GolfLayout.h"

#include "SharedWindow.h"

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;

class GolfLayoutDialog;
// The Golf settings dialog, made at start-up.
extern GolfLayoutDialog *golfLayoutDialog;

// The layout settings dialog: how many columns and rows the next deal has.
class GolfLayoutDialog : public QDialog
{
    Q_OBJECT
public:
    explicit GolfLayoutDialog(QWidget *parent = nullptr);

    // Shows the dialog modally for the current layout. True when the player confirmed a new
    // layout (the game in progress, unless over, only after a question); it is then in layout.
    bool chooseLayout(GolfLayout &layout, bool gameOver);

    QLabel *columnsLabel;
    QSpinBox *columnsBox;
    QLabel *rowsLabel;
    QSpinBox *rowsBox;
    QFrame *buttonPanel;
    QPushButton *cancelButton;
    QPushButton *okButton;

    void okClicked();

private:
    bool gameOver = false;

private:
    SharedWindowSlot<GolfLayoutDialog> instance{golfLayoutDialog, this};
};

#pragma once

#include "SharedWindow.h"

#include <QDialog>
#include <vector>

class Picture;
class QFrame;
class QPushButton;

class DeckChooser;
// The program's deck chooser, made at start-up after the card library.
extern DeckChooser *deckChooser;

// The deck chooser, in which the player picks one of the nine back designs of the card library.
class DeckChooser : public QDialog
{
    Q_OBJECT
public:
    explicit DeckChooser(QWidget *parent = nullptr);

    // The back a game hands to the chooser and reads back after OK, and the back clicked while
    // the chooser is open.
    int ChosenBack = 0;
    int PendingBack = 0;

    std::vector<Picture *> backPictures;
    Picture *selectionFrame;
    QFrame *buttonPanel;
    QPushButton *cancelButton;
    QPushButton *okButton;

    void backClicked(Picture *picture);
    void okClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    // The arrows' choice: as a click, and screen readers are told of it.
    void chooseByKey(Picture *picture);

    SharedWindowSlot<DeckChooser> instance{deckChooser, this};
};

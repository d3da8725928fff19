#pragma once

#include "SharedWindow.h"

#include <QDialog>

class QCheckBox;
class QPushButton;
class TwelveSettingsHost;

class Tfrm12Beall;
// The Twelve settings dialog, made at start-up.
extern Tfrm12Beall *frm12Beall;

// Speeds, drawing mode, difficulty and scoring of Twelve. Difficulty and scoring change during
// a game only with a new game.
class Tfrm12Beall : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm12Beall(QWidget *parent = nullptr);

    // Shows the dialog modally for the open Twelve window and applies what OK confirms.
    void ShowSettings(TwelveSettingsHost &host);

    // Lives across showings: the Twelve window reads and writes it with its settings.
    QCheckBox *chbGyors;
    QPushButton *bbtnOk;
    QPushButton *bbtnMegsem;

    void bbtnOkClick();

private:
    TwelveSettingsHost *host = nullptr;

private:
    SharedWindowSlot<Tfrm12Beall> instance{frm12Beall, this};
};

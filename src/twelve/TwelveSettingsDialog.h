#pragma once

#include "SharedWindow.h"

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QRadioButton;
class QSlider;
class QSpinBox;
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

    QFrame *pnlBal;
    // Lives across showings: the Twelve window reads and writes it with its settings.
    QCheckBox *chbGyors;
    QSlider *trbMozgSeb;
    QSlider *trbFordSeb;
    QSlider *trbLicitSeb;
    QRadioButton *rbEgysz;
    QRadioButton *rbAtlag;
    QFrame *pnlJobb;
    QSpinBox *seOkos;
    QSlider *trbOkos;
    QFrame *pnlGombok;
    QPushButton *bbtnOk;
    QPushButton *bbtnMegsem;

    void bbtnOkClick();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLeftPanel();
    void buildRightPanel();
    void applyConfirmedSettings(TwelveSettingsHost &host);

    TwelveSettingsHost *host = nullptr;

private:
    SharedWindowSlot<Tfrm12Beall> instance{frm12Beall, this};
};

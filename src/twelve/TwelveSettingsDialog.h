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

class TwelveSettingsDialog;
// The Twelve settings dialog, made at start-up.
extern TwelveSettingsDialog *twelveSettingsDialog;

// Speeds, drawing mode, difficulty and scoring of Twelve. Difficulty and scoring change during
// a game only with a new game.
class TwelveSettingsDialog : public QDialog
{
    Q_OBJECT
public:
    explicit TwelveSettingsDialog(QWidget *parent = nullptr);

    // Shows the dialog modally for the open Twelve window and applies what OK confirms.
    void ShowSettings(TwelveSettingsHost &host);

    QFrame *leftPanel;
    // Lives across showings: the Twelve window reads and writes it with its settings.
    QCheckBox *fastDrawBox;
    QSlider *moveSpeedSlider;
    QSlider *turnSpeedSlider;
    QSlider *bidSpeedSlider;
    QRadioButton *simpleScoringButton;
    QRadioButton *averageScoringButton;
    QFrame *rightPanel;
    QSpinBox *levelBox;
    QSlider *levelSlider;
    QFrame *buttonPanel;
    QPushButton *okButton;
    QPushButton *cancelButton;

    void okClicked();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void buildLeftPanel();
    void buildRightPanel();
    void applyConfirmedSettings(TwelveSettingsHost &host);

    TwelveSettingsHost *host = nullptr;

private:
    SharedWindowSlot<TwelveSettingsDialog> instance{twelveSettingsDialog, this};
};

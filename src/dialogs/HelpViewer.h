#pragma once

#include "SharedWindow.h"

#include <QDialog>

class QTextEdit;

class TfrmHelp1;
// The program's help viewer, made at start-up.
extern TfrmHelp1 *frmHelp1;

// The help viewer: shows one of the program's rich-text help files. Its caption is the
// application title at creation, so it reads the same whichever game asks for help.
class TfrmHelp1 : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmHelp1(QWidget *parent = nullptr);

    // Loads the help text fileName and shows it, modally or not. A file that cannot be read, or
    // is too large to show, is reported to the player; the window is then not shown and the
    // result is false.
    bool showHelpFile(const QString &fileName, bool modal);

    QTextEdit *reHelp;

protected:
    void showEvent(QShowEvent *event) override;

private:
    SharedWindowSlot<TfrmHelp1> instance{frmHelp1, this};
};

bool ShowHelpFile(const QString &fileName, bool modal);

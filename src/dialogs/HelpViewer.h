#pragma once

#include "SharedWindow.h"

#include <QDialog>

class QTextEdit;

class HelpViewer;
// The program's help viewer, made at start-up.
extern HelpViewer *helpViewer;

// The help viewer: shows one of the program's rich-text help files. Its caption is the
// application title at creation, so it reads the same whichever game asks for help.
class HelpViewer : public QDialog
{
    Q_OBJECT
public:
    explicit HelpViewer(QWidget *parent = nullptr);

    // Loads the help text fileName and shows it, modally or not. A file that cannot be read, or
    // is too large to show, is reported to the player; the window is then not shown and the
    // result is false.
    bool showHelpFile(const QString &fileName, bool modal);

    QTextEdit *helpText;

protected:
    void showEvent(QShowEvent *event) override;

private:
    SharedWindowSlot<HelpViewer> instance{helpViewer, this};
};

bool ShowHelpFile(const QString &fileName, bool modal);

#pragma once

#include "SharedWindow.h"

#include <QDialog>
#include <QSize>

class QFrame;
class QLabel;
class QPushButton;

class QuestionDialog;
// The program's question dialog, made at start-up.
extern QuestionDialog *questionDialog;

// The one dialog through which every question and notice of the program goes. Its answer is
// the first letter of the pressed button's caption and stays until the next press.
class QuestionDialog : public QDialog
{
    Q_OBJECT
public:
    explicit QuestionDialog(QWidget *parent = nullptr);

    char askYesNo(const QString &message);
    char askYesCancel(const QString &message);
    char askYesNoCancel(const QString &message);
    // Two answers of the caller's own: the first is the default, the second also answers Esc.
    // The buttons grow to hold their captions.
    char askChoice(const QString &message, const QString &first, const QString &second);
    void showOkMessage(const QString &message);

    char answer() const { return lastAnswer; }
    // The dialog's outer size as the sizing rules compute it; the client area is this less the
    // frame a Windows dialog border takes.
    QSize dialogSize() const { return outerSize; }

    QLabel *messageLabel;
    QFrame *buttonPanel;
    QPushButton *cancelButton;
    QPushButton *okButton;
    QPushButton *noButton;

    void reject() override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void press(QPushButton *button);
    void prepare(const QString &message);
    void resizeTo(QSize outer);
    char showModal();

    QSize outerSize;
    char lastAnswer = 0;

private:
    SharedWindowSlot<QuestionDialog> instance{questionDialog, this};
};

char AskYesNo(const QString &message);
char AskYesCancel(const QString &message);
char AskYesNoCancel(const QString &message);
char AskChoice(const QString &message, const QString &first, const QString &second);
void ShowOkMessage(const QString &message);

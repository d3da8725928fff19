#pragma once

#include "TwelveSeatOrder.h"

#include <QStringList>
#include <QTimer>

class QuestionDialog;

// Lists the seats round the table, as the Twelve window does on every show, for one test.
class SeatOrderRoundTheTable
{
public:
    SeatOrderRoundTheTable() { TwelveSeatOrder = true; }
    ~SeatOrderRoundTheTable() { TwelveSeatOrder = false; }
};

// Answers every showing of the question dialog with the next scripted button, Cancel when the
// script has run out, and notes each message, so an unexpected question shows in `asked`
// instead of waiting forever.
class QuestionScript
{
public:
    explicit QuestionScript(QuestionDialog &question);

    QStringList answers;
    QStringList asked;

private:
    void answerWhenShown();

    QuestionDialog &question;
    QTimer poll;
};

#include "TwelveDialogHelpers.h"

#include "QuestionDialog.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>

QuestionScript::QuestionScript(QuestionDialog &question)
    : question(question)
{
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, [this] { answerWhenShown(); });
    poll.start();
}

void QuestionScript::answerWhenShown()
{
    if (QApplication::activeModalWidget() != &question || !question.isVisible())
        return;
    asked << question.messageLabel->text();
    const QString caption = answers.isEmpty() ? QStringLiteral("Cancel") : answers.takeFirst();
    for (QPushButton *button : question.findChildren<QPushButton *>())
        if (button->isVisible() && button->text() == caption) {
            button->click();
            return;
        }
    question.reject();
}

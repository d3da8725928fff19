#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// Answers the next modal dialog that opens by pressing the button with this caption. Call it
// just before the call that opens the dialog. Fails the test if no such dialog or button shows.
void answerNextModal(const QString &buttonCaption);

// Runs an action on the next modal dialog as soon as it is open, e.g. to read its state first.
void onNextModal(std::function<void(QWidget *modal)> action);

// The caption of every visible push button in a window, left to right.
QStringList visibleButtonCaptions(QWidget *window);

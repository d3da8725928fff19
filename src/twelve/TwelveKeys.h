#pragma once

#include "TableKeys.h"

#include <QList>
#include <QString>

class TwelveWindow;

// Twelve from the keyboard. While the player must put, Left and Right walk his hand as it lies
// and Return or Space puts the framed card; while he must choose, they walk the middle cards,
// and 1..4 take the middle card of that place at once. In an auction + (or =) is "+1", 5 is
// "+5", A is "At all costs", N is "No more"; Return confirms the end of a round. Every key
// makes the engine call its click makes, so the engine refuses it in the same states.
class TwelveKeys : public TableKeys
{
public:
    explicit TwelveKeys(TwelveWindow &window);

    // The keys as Help > Keys lists them.
    static QString summary();

private:
    // The pictures the keyboard can reach now, as they lie from the left.
    QList<QWidget *> places() const;
    QList<QWidget *> handCards() const;
    QList<QWidget *> middleCards() const;
    void describe(const QList<QWidget *> &row, const QString &where) const;
    QList<QWidget *> rowForStep() override;
    bool confirmOrPlay();
    bool takeFromPlace(int place);
    int cardOf(QWidget *face) const;
    bool bid(void (TwelveWindow::*button)());

    TwelveWindow &window;
    bool wasPutting = true;
};

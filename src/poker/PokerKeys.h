#pragma once

#include "TableKeys.h"

#include <QList>
#include <QString>

class PokerWindow;

// Poker from the keyboard: 1..5 mark or unmark the cards from the left, Return is "Ok", I is
// "Invert"; Left and Right walk the five cards and Space marks or unmarks the framed one. Each
// key runs what the click runs, so the game refuses it in the same moments.
class PokerKeys : public TableKeys
{
public:
    explicit PokerKeys(PokerWindow &window);

    // The keys as Help > Keys lists them.
    static QString summary();

private:
    QList<QWidget *> cards() const;
    QList<QWidget *> rowForStep() override { return cards(); }
    bool toggleFramed();
    bool toggle(int position);
    bool invert();
    bool ok();

    PokerWindow &window;
};

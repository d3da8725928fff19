#pragma once

#include <QList>
#include <QString>

class FocusFrame;
class KeyDispatch;
class QWidget;
class PokerWindow;

// Poker from the keyboard: 1..5 mark or unmark the cards from the left, Return is "Ok", I is
// "Invert"; Left and Right walk the five cards and Space marks or unmarks the framed one. Each
// key runs what the click runs, so the game refuses it in the same moments.
class PokerKeys
{
public:
    explicit PokerKeys(PokerWindow &window);

    // The keys as Help > Keys lists them.
    static QString summary();

    FocusFrame *frame() const { return mark; }

private:
    QList<QWidget *> cards() const;
    bool move(int direction);
    bool toggleFramed();
    bool toggle(int position);
    bool invert();
    bool ok();

    PokerWindow &window;
    FocusFrame *mark;
    KeyDispatch *keys;
};

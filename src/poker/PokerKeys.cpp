#include "PokerKeys.h"

#include "FocusFrame.h"
#include "KeyDispatch.h"
#include "Picture.h"
#include "PokerWindow.h"

PokerKeys::PokerKeys(PokerWindow &window)
    : TableKeys(window, window.table)
    , window(window)
{
    keys->onDigits(CardsInHand, [this](int position) { return toggle(position - 1); });
    keys->on({Qt::Key_Return, Qt::Key_Enter}, [this] { return ok(); });
    keys->on({Qt::Key_I}, [this] { return invert(); });
    keys->on({Qt::Key_Space}, [this] { return toggleFramed(); });
}

QString PokerKeys::summary()
{
    return QStringLiteral("1 to 5: mark or unmark a card, from the left\n"
                          "Left, Right: move between the cards\n"
                          "Space: mark or unmark the framed card\n"
                          "Return: Ok (draw, next hand)\n"
                          "I: Invert\n"
                          "H: hint (the best cards to keep)\n"
                          "F2: new game, F3: open, F4: save\n"
                          "Ctrl+T: statistics\n"
                          "F1: help");
}

// The hand from the left; none once the game is over.
QList<QWidget *> PokerKeys::cards() const
{
    QList<QWidget *> hand;
    if (window.game().isOver())
        return hand;
    for (const int card : window.game().hand())
        hand << window.cardPictures[card];
    return hand;
}

// Unseen, the keyboard's card is shown first rather than marked. After the game the key goes
// to the focused button of the game-over panel.
bool PokerKeys::toggleFramed()
{
    const QList<QWidget *> hand = cards();
    if (hand.isEmpty())
        return false;
    if (!mark->isOn(hand))
        return step(0);
    return toggle(int(hand.indexOf(mark->placeIn(hand))));
}

// The click on the card marks it, the click on its cross unmarks it.
bool PokerKeys::toggle(int position)
{
    if (window.game().isOver())
        return true;
    if (window.game().isMarked(position))
        window.markPressed(position, Qt::LeftButton);
    else
        window.cardPressed(window.game().hand()[position], Qt::LeftButton);
    return true;
}

bool PokerKeys::invert()
{
    window.Invert();
    return true;
}

// After the game Return belongs to the game-over panel's default button.
bool PokerKeys::ok()
{
    if (window.game().isOver())
        return false;
    window.Proceed();
    return true;
}

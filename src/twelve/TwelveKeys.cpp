#include "TwelveKeys.h"

#include "FocusFrame.h"
#include "KeyDispatch.h"
#include "Picture.h"
#include "TwelveTable.h"
#include "TwelveWindow.h"

#include <QFrame>
#include <algorithm>

namespace {

// Row by row, each from the left, as the eye reads the table: the player's hand lies a suit
// to a row.
void sortAsShown(QList<QWidget *> &pictures)
{
    std::ranges::sort(pictures, [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
}

}

TwelveKeys::TwelveKeys(TwelveWindow &window)
    : TableKeys(window, window.table)
    , window(window)
{
    keys->on({Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}, [this] { return confirmOrPlay(); });
    keys->onDigits(SlotCount, [this](int place) { return takeFromPlace(place); });
    keys->on({Qt::Key_Plus, Qt::Key_Equal}, [this] { return bid(&TwelveWindow::bidOnePressed); });
    keys->on({Qt::Key_5}, [this] { return bid(&TwelveWindow::bidFivePressed); });
    keys->on({Qt::Key_A}, [this] { return bid(&TwelveWindow::atAllCostsPressed); });
    keys->on({Qt::Key_N}, [this] { return bid(&TwelveWindow::noMorePressed); });
}

QString TwelveKeys::summary()
{
    return QStringLiteral("Left, Right: move along your hand, or the middle cards\n"
                          "Return, Space: put or take the framed card\n"
                          "1 to 4: take the middle card of that place\n"
                          "+ or =: +1    5: +5\n"
                          "A: At all costs    N: No more\n"
                          "Return: confirm the end of a round\n"
                          "F2: new game    F1: help\n"
                          "Ctrl+T: statistics");
}

int TwelveKeys::cardOf(QWidget *face) const
{
    const auto &faces = window.table->faces;
    return int(std::ranges::find(faces, face) - faces.begin());
}

// The player's face-up cards while his card for this turn is still to be put.
QList<QWidget *> TwelveKeys::handCards() const
{
    QList<QWidget *> hand;
    const TurnState state = window.turnFlow().GameState();
    const TwelveGame &game = window.state();
    if ((state != TurnState::Travelling && state != TurnState::WaitingForPut)
        || game.TurnSlot[HumanSeat].MoveState != MoveNotPut)
        return hand;
    for (int card = 0; card < CardCount; ++card)
        if (game.Holding[HumanSeat][card] && window.table->faces[card]->isVisible())
            hand << window.table->faces[card];
    sortAsShown(hand);
    return hand;
}

// The face-up middle cards, while the player chooses.
QList<QWidget *> TwelveKeys::middleCards() const
{
    QList<QWidget *> middle;
    if (window.turnFlow().GameState() != TurnState::Choosing)
        return middle;
    for (int slot = 1; slot <= SlotCount; ++slot) {
        const TurnSlotRecord &record = window.state().TurnSlot[slot];
        if (record.FaceUp && window.table->faces[record.Card]->isVisible())
            middle << window.table->faces[record.Card];
    }
    sortAsShown(middle);
    return middle;
}

QList<QWidget *> TwelveKeys::places() const
{
    const QList<QWidget *> hand = handCards();
    return hand.isEmpty() ? middleCards() : hand;
}

void TwelveKeys::describe(const QList<QWidget *> &row, const QString &where) const
{
    for (qsizetype index = 0; index < row.size(); ++index)
        row[index]->setAccessibleDescription(where.arg(index + 1).arg(row.size()));
}

QList<QWidget *> TwelveKeys::rowForStep()
{
    describe(handCards(), QStringLiteral("in your hand, %1 of %2"));
    describe(middleCards(), QStringLiteral("in the middle, place %1 of %2"));
    // From the hand to the middle and back the frame starts on the first card.
    const bool putting = !handCards().isEmpty();
    if (putting != wasPutting)
        mark->restart();
    wasPutting = putting;
    return places();
}

// The end of a round is confirmed first; otherwise the framed card is put or taken, as its
// click does. Unseen, the keyboard's card is shown first. With nothing to do the key is kept
// from the window's hidden default buttons, which would start a new game unasked; only the
// game-over panel's buttons take it.
bool TwelveKeys::confirmOrPlay()
{
    if (window.table->roundEndPanel->isVisible()) {
        window.roundEndOkClicked();
        return true;
    }
    const QList<QWidget *> row = places();
    if (row.isEmpty())
        return !window.table->gameOverPanel->isVisible();
    if (!mark->isOn(row))
        return step(0);
    window.cardMouseDown(cardOf(mark->placeIn(row)));
    return true;
}

// The middle card at that place from the left, as a click on it.
bool TwelveKeys::takeFromPlace(int place)
{
    std::array<int, SlotCount> slots{1, 2, 3, 4};
    std::ranges::sort(slots, [](int a, int b) {
        return TwelveTableLayout::middleCard(a).x() < TwelveTableLayout::middleCard(b).x();
    });
    const TurnSlotRecord &record = window.state().TurnSlot[slots[place - 1]];
    if (record.FaceUp)
        window.cardMouseDown(record.Card);
    return true;
}

bool TwelveKeys::bid(void (TwelveWindow::*button)())
{
    (window.*button)();
    return true;
}

#include "TwelveWindowFixture.h"

#include "CardName.h"
#include "FocusFrame.h"
#include "Keys.h"
#include "Picture.h"
#include "TwelvePlayers.h"
#include "TwelveTableLayout.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <algorithm>

namespace {

// The Twelve window played from the keyboard alone: every move of the player's part is a key
// press, as the window system delivers it to the active window.
class TwelveKeysTest : public TwelveWindowTest
{
protected:
    void openActive()
    {
        open();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void key(Qt::Key key) { pressKey(window.get(), key); }

    QWidget *framed() const
    {
        const auto *frame = window->findChild<FocusFrame *>();
        return frame->isVisible() ? frame->picture() : nullptr;
    }

    bool mayPut() const
    {
        return (state() == TurnState::Travelling || state() == TurnState::WaitingForPut)
            && game().TurnSlot[HumanSeat].MoveState == MoveNotPut;
    }

    // The digit key of a middle slot: its place counted from the left.
    static Qt::Key placeKey(int slot)
    {
        int place = 1;
        for (int other = 1; other <= SlotCount; ++other)
            place += TwelveTableLayout::middleCard(other).x()
                < TwelveTableLayout::middleCard(slot).x();
        return Qt::Key(Qt::Key_0 + place);
    }

    // Walks the hand with Right to the card and puts it with Return.
    void put(int card) override
    {
        for (int step = 0; step <= HandSize && framed() != table().faces[card]; ++step)
            key(Qt::Key_Right);
        ASSERT_EQ(framed(), table().faces[card]);
        key(Qt::Key_Return);
    }
    void choose(int slot) override { key(placeKey(slot)); }
    void giveUp() override { key(Qt::Key_N); }
    void confirm() override
    {
        answerModalsInTurn({QStringLiteral("OK")});
        key(Qt::Key_Return);
    }
};

}

TEST_F(TwelveKeysTest, ATurnPutAndChosenByKeys)
{
    openActive();
    ASSERT_TRUE(playUntil([&] { return mayPut(); }));
    EXPECT_EQ(framed(), nullptr);

    key(Qt::Key_1);
    key(Qt::Key_Plus);
    EXPECT_TRUE(mayPut()) << "no choice and no bid while the player must put";

    key(Qt::Key_Right);
    // Suit by suit, a row each, from the left.
    QList<QWidget *> hand;
    for (int card = 0; card < CardCount; ++card)
        if (game().Holding[HumanSeat][card])
            hand << table().faces[card];
    std::ranges::sort(hand, [](const QWidget *a, const QWidget *b) {
        return std::pair(a->y(), a->x()) < std::pair(b->y(), b->x());
    });
    ASSERT_EQ(framed(), hand[0]) << "the first arrow shows the keyboard's place";
    EXPECT_EQ(hand[0]->accessibleDescription(), "in your hand, 1 of 13");
    key(Qt::Key_Left);
    EXPECT_EQ(framed(), hand.last()) << "round from the first card to the last";
    key(Qt::Key_Right);
    key(Qt::Key_Right);
    QWidget *second = framed();
    ASSERT_EQ(second, hand[1]);
    EXPECT_EQ(second->accessibleDescription(), "in your hand, 2 of 13");
    const int card = int(std::ranges::find(table().faces, second) - table().faces.begin());
    EXPECT_EQ(second->accessibleName(), cardName(card));

    key(Qt::Key_Space);
    EXPECT_EQ(game().TurnSlot[HumanSeat].Card, card);
    EXPECT_FALSE(game().Holding[HumanSeat][card]);
    key(Qt::Key_Return);
    EXPECT_EQ(game().TurnSlot[HumanSeat].Card, card) << "one put per turn, and no new game";

    tickUntilWaiting();
    ASSERT_EQ(state(), TurnState::Choosing);
    key(Qt::Key_Right);
    ASSERT_NE(framed(), nullptr);
    EXPECT_TRUE(framed()->accessibleDescription().startsWith("in the middle, place 1 of "));
    const int slot = mostWantedSlot();
    key(placeKey(slot));
    EXPECT_EQ(game().Wanted[HumanSeat], slot);
}

TEST_F(TwelveKeysTest, AnAuctionWonWithPlusOneAndOneLostWithNoMore)
{
    openActive();
    for (const bool win : {true, false}) {
        SCOPED_TRACE(win ? "won" : "lost");
        ASSERT_TRUE(playUntil([&] { return waitingForHumanBid(game(), state()); }));
        const Contest contest = currentContest();
        if (win) {
            outbid([&] { key(Qt::Key_Plus); },
                   [&] {
                       EXPECT_EQ(table().bidPanels[HumanSeat]->accessibleDescription(),
                                 QString("Bid: %1 points").arg(game().Bid));
                   });
        } else {
            key(Qt::Key_N);
        }
        expectContestSettled(contest, win);
    }
}

TEST_F(TwelveKeysTest, ReturnConfirmsTheEndOfARound)
{
    openActive();
    ASSERT_TRUE(playUntil([&] { return state() == TurnState::RoundOver; }));
    ASSERT_TRUE(table().roundEndPanel->isVisible());
    for (const Qt::Key refused : {Qt::Key_Plus, Qt::Key_5, Qt::Key_A, Qt::Key_N, Qt::Key_1})
        key(refused);
    EXPECT_EQ(state(), TurnState::RoundOver);

    confirm();
    EXPECT_EQ(game().RoundNo, 2);
    EXPECT_FALSE(table().roundEndPanel->isVisible());
}

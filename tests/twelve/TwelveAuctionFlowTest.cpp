// What the table shows as an auction ends, and the pace of the computers' answers.
#include "TwelveWindowFixture.h"

#include "Picture.h"

#include <QStatusBar>
#include <QTimer>

// The player lost the card he wanted: the empty place has no marker while he chooses again.
TEST_F(TwelveWindowTest, NoMarkerStaysUnderACardLostAtAuction)
{
    open();
    for (int attempt = 0; attempt < 100; ++attempt) {
        ASSERT_TRUE(playUntil([&] {
            return waitingForHumanBid(game(), state())
                && game().AuctionSlot == game().Wanted[HumanSeat];
        }));
        const int lost = game().AuctionSlot;
        EXPECT_TRUE(table().markers[HumanSeat]->isVisible());
        press(table().noMoreButton);
        tickWhile([&] { return game().TurnSlot[lost].FaceUp; });
        tickUntilWaiting();
        if (state() != TurnState::Choosing || game().Wanted[HumanSeat] != lost)
            continue;
        EXPECT_FALSE(table().markers[HumanSeat]->isVisible());
        pressFace(game().TurnSlot[mostWantedSlot()].Card);
        EXPECT_TRUE(table().markers[HumanSeat]->isVisible()) << "the new claim is marked";
        return;
    }
    FAIL() << "the player never lost a card he still had to replace";
}

// After a raise of the player's the computers answer at the bidding pace, as they answer each
// other; it is slow here so that a quick answer would show.
TEST_F(TwelveWindowTest, TheComputersAnswerThePlayerAtTheBiddingPace)
{
    writeDataFile("Twelve.ini", "[Beallitas]\r\nLicitInt=401\r\n");
    open();
    for (Picture *button : {table().bidOneButton, table().atAllCostsButton}) {
        ASSERT_TRUE(playUntil([&] { return waitingForHumanBid(game(), state()); }));
        press(button);
        ASSERT_EQ(game().Leader, HumanSeat);
        EXPECT_TRUE(window->moveTimer->isActive());
        EXPECT_EQ(window->moveTimer->interval(), 401);
    }
}

// The prompt goes the moment the auction is over, whichever way it ends.
TEST_F(TwelveWindowTest, TheBidPromptGoesWhenTheAuctionCloses)
{
    open();
    const QString prompt = QStringLiteral("Bid or click \"No more\"");
    for (Picture *button : {table().bidFiveButton, table().atAllCostsButton}) {
        ASSERT_TRUE(playUntil([&] { return waitingForHumanBid(game(), state()); }));
        EXPECT_EQ(table().statusLine->currentMessage(), prompt);
        press(button);
        tickWhile([&] {
            if (waitingForHumanBid(game(), state()))
                press(table().noMoreButton);
            return state() == TurnState::Bidding;
        });
        EXPECT_TRUE(state() == TurnState::TurningSoldFace || state() == TurnState::AtAllCostsPause);
        EXPECT_NE(table().statusLine->currentMessage(), prompt) << int(state());
    }
}

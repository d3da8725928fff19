#include "TwelveWindowFixture.h"

#include "Picture.h"

#include <QFrame>
#include <QPushButton>
#include <QTimer>

namespace {

class TwelveWindowProperty : public TwelveWindowTest
{
protected:
    // Every card lies in exactly one hand or in the middle, and every seat holds its thirteen
    // cards but for the one it put and has not been given back.
    void checkCards()
    {
        const TwelveGame &g = game();
        int middle = 0;
        for (int slot = 1; slot <= SlotCount; ++slot)
            middle += g.TurnSlot[slot].MoveState != MoveNotPut;
        for (int seat = 1; seat <= SeatCount; ++seat) {
            const bool away = g.TurnSlot[seat].MoveState != MoveNotPut && !g.Bought[seat];
            ASSERT_EQ(heldCount(g.Holding[seat]), HandSize - away) << "seat " << seat;
            ASSERT_GE(g.Scores[g.RoundNo][seat], 0) << "seat " << seat;
        }
        int placed = 0;
        for (int card = 0; card < CardCount; ++card) {
            int holders = 0;
            for (int seat = 1; seat <= SeatCount; ++seat)
                holders += g.Holding[seat][card];
            ASSERT_LE(holders, 1) << "card " << card;
            placed += holders;
        }
        const int bought = static_cast<int>(std::count(g.Bought.begin() + 1, g.Bought.end(), true));
        ASSERT_EQ(placed + middle - bought, CardCount);
    }

    // A legal move of the player's, chosen at random; sometimes a click that must be ignored.
    void randomMove(SeededRandom &player)
    {
        if (player.random(10) == 0)
            pressFace(player.random(CardCount));
        switch (state()) {
        case TurnState::Travelling:
        case TurnState::WaitingForPut:
            pressFace(heldCard(HumanSeat, player.random(heldCount(game().Holding[HumanSeat]))));
            break;
        case TurnState::Choosing: {
            int slot;
            do
                slot = player.random(SlotCount) + 1;
            while (!game().TurnSlot[slot].FaceUp);
            pressFace(game().TurnSlot[slot].Card);
            break;
        }
        case TurnState::Bidding: {
            Picture *buttons[]
                = {table().bidOneButton, table().bidFiveButton, table().atAllCostsButton,
                   table().noMoreButton, table().noMoreButton};
            press(buttons[player.random(5)]);
            break;
        }
        default:
            FAIL() << "the game waits in state " << int(state());
        }
    }
};

}

TEST_F(TwelveWindowProperty, RandomPlayKeepsTheCardsAndEndsEveryGame)
{
    open();
    for (unsigned seed = 1; seed <= 3; ++seed) {
        SCOPED_TRACE(testing::Message() << "game " << seed);
        SeededRandom player(seed);
        for (int decision = 0; !game().GameOver; ++decision) {
            ASSERT_LT(decision, 200000);
            tickUntilWaiting();
            ASSERT_NO_FATAL_FAILURE(checkCards());
            if (state() != TurnState::RoundOver) {
                ASSERT_NO_FATAL_FAILURE(randomMove(player));
                continue;
            }
            if (game().RoundNo < RoundCount) {
                confirmRound();
                continue;
            }
            // The score sheet, then the name and the list for a score above 0.
            const bool listed = game().Scores[RoundCount][HumanSeat] > 0;
            answerModalsInTurn(QStringList(listed ? 3 : 1, QStringLiteral("OK")));
            table().roundEndOkButton->click();
        }
        EXPECT_TRUE(table().gameOverPanel->isVisible());
        EXPECT_FALSE(window->moveTimer->isActive());
        table().newGameButton->click();
    }
}

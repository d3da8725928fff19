#include "InvariantCheck.h"
#include "Random.h"

#include <cstdlib>
#include <gtest/gtest.h>

namespace {

// A freshly dealt round, and the check watching it.
class InvariantCheckTest : public testing::Test
{
protected:
    InvariantCheckTest()
    {
        GTEST_FLAG_SET(death_test_style, "threadsafe");
        SeededRandom random(7);
        NewGame(game);
        Deal(game, random);
        check.roundStarted();
        check.beforeStep();
    }

    int holderOf(int card) const
    {
        for (int seat = 1; seat <= SeatCount; ++seat)
            if (game.Holding[seat][card])
                return seat;
        return 0;
    }

    enum class Fault { SecondHolder, Lost, GivenAway };

    // Breaks the bookkeeping of one card: a second seat holds it too, nobody holds it (and it
    // is not in the middle), or its holder gave it to the next seat.
    void breakCard(Fault fault, int card)
    {
        const int holder = holderOf(card);
        const int next = holder % SeatCount + 1;
        if (fault != Fault::SecondHolder)
            game.Holding[holder][card] = false;
        if (fault != Fault::Lost)
            game.Holding[next][card] = true;
    }

    TwelveGame game;
    InvariantCheck check{game};
};

}

TEST_F(InvariantCheckTest, ADealtRoundPasses)
{
    check.afterStep(TurnState::Travelling);
    // A card put into the middle is not lost.
    const int card = 30;
    const int seat = holderOf(card);
    game.Holding[seat][card] = false;
    game.TurnSlot[seat].Card = card;
    game.TurnSlot[seat].MoveState = MoveTravelling;
    check.afterStep(TurnState::Travelling);
}

// Cards at the ends of the groups the check reads at once, and in the last, shorter group.
TEST_F(InvariantCheckTest, EveryBrokenCountIsCaughtAndNamed)
{
    const struct
    {
        Fault fault;
        int card;
        const char *message;
    } cases[] = {
        {Fault::SecondHolder, 7, "card 7 is in two hands"},
        {Fault::Lost, 47, "card 47 is lost"},
        {Fault::Lost, 48, "card 48 is lost"},
        {Fault::Lost, 51, "card 51 is lost"},
        {Fault::GivenAway, 0, "holds 1[24] cards instead of 13"},
    };
    for (const auto &c : cases) {
        EXPECT_EXIT(
            {
                breakCard(c.fault, c.card);
                check.afterStep(TurnState::Travelling);
            },
            testing::ExitedWithCode(EXIT_FAILURE), c.message)
            << c.card;
    }
}

#include "TwelveTurn.h"
#include "Random.h"
#include "ScriptedRandom.h"
#include "TwelvePlayers.h"
#include "TwelveTestHands.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

class TwelveTurnTest : public testing::Test
{
protected:
    void SetUp() override
    {
        game.Difficulty = 4.0; // the computers always want their best card
        turn.onBidRaised = [this](int seat) { raisers.push_back(seat); };
    }

    int firstHeldCard(int seat) const
    {
        for (int card = 0; card < CardCount; ++card)
            if (game.Holding[seat][card])
                return card;
        return -1;
    }

    void reachChoosing()
    {
        do
            turn.NewGame();
        while (turn.GameState() != TurnState::Travelling);
        ASSERT_TRUE(turn.PutCard(firstHeldCard(HumanSeat)));
        for (int slot = 1; slot <= SlotCount; ++slot)
            turn.CardArrived(slot);
        turn.AnimationFinished();
        turn.AnimationFinished();
        ASSERT_EQ(turn.GameState(), TurnState::Choosing);
    }

    // Replaces a computer's valuation of the middle: it wants its most valued slot.
    void value(int seat, const PerSlot<int> &worths, const PerSlot<int> &maxBids)
    {
        game.CardWorth[seat] = worths;
        game.MaxBid[seat] = maxBids;
    }

    // Seats 2 and 3 contest slot 3 up to these limits; seat 4 wants slot 4 alone.
    void contestSlotThree(int limit2, int limit3)
    {
        value(2, {0, 0, 0, 10, 0}, {0, 0, 0, limit2, 0});
        value(3, {0, 0, 0, 10, 0}, {0, 0, 0, limit3, 0});
        value(4, {0, 0, 0, 0, 10}, {0, 0, 0, 0, 10});
    }

    void computersChoose()
    {
        for (int slot = 1; slot <= SlotCount; ++slot)
            game.TurnSlot[slot].Markers = 0;
        chooseWantedCards(game, random);
    }

    void bidUntilSettled()
    {
        while (turn.BidStep() == BidOutcome::ComputerRaised)
            ;
    }

    // Turns the sold card over and flies it to its buyer; returns the buyer.
    int deliver()
    {
        const int buyer = game.Leader;
        for (int step = 0; step < 3; ++step)
            turn.AnimationFinished();
        return buyer;
    }

    TwelveGame game;
    SeededRandom random{11};
    TwelveTurn turn{game, random};
    std::vector<int> raisers;
};

TEST_F(TwelveTurnTest, TheHumanPutsOnceWhileOrAfterTheComputersCardsTravel)
{
    for (const bool humanFirst : {true, false}) {
        SCOPED_TRACE(humanFirst ? "human first" : "computers first");
        do
            turn.NewGame();
        while (turn.GameState() != TurnState::Travelling);
        EXPECT_EQ(turn.Status(), PutPrompt);
        for (int seat = 2; seat <= SeatCount; ++seat) {
            const TurnSlotRecord &slot = game.TurnSlot[seat];
            const Hand &hand = game.Holding[seat];
            EXPECT_EQ(slot.MoveState, MoveTravelling);
            EXPECT_EQ(heldCount(hand), HandSize - 1);
            EXPECT_EQ(slot.BackSlot,
                      (seat - 1) * HandSize
                          + std::count(hand.begin(), hand.begin() + slot.Card, true));
        }
        const int card = firstHeldCard(HumanSeat);
        if (humanFirst) {
            ASSERT_TRUE(turn.PutCard(card));
        }
        for (int slot = 2; slot <= SlotCount; ++slot)
            turn.CardArrived(slot);
        if (!humanFirst) {
            EXPECT_EQ(turn.GameState(), TurnState::WaitingForPut);
            ASSERT_TRUE(turn.PutCard(card));
        }
        EXPECT_EQ(turn.GameState(), TurnState::Travelling);
        EXPECT_FALSE(turn.PutCard(firstHeldCard(HumanSeat)));
        EXPECT_GE(game.RankPutCount[rankOf(card)], 1);
        EXPECT_TRUE(turn.Status().empty());
        turn.CardArrived(HumanSeat);
        EXPECT_EQ(turn.GameState(), TurnState::TurningBacks);

        EXPECT_FALSE(turn.ChooseCard(1)); // not yet face up
        turn.AnimationFinished();
        turn.AnimationFinished();
        EXPECT_EQ(turn.GameState(), TurnState::Choosing);
        EXPECT_EQ(turn.Status(), TakePrompt);
        int markers = 0;
        for (int slot = 1; slot <= SlotCount; ++slot) {
            EXPECT_TRUE(game.TurnSlot[slot].FaceUp);
            markers += game.TurnSlot[slot].Markers;
        }
        EXPECT_EQ(markers, 3);
    }
}

TEST_F(TwelveTurnTest, ADealHoldingATwelveEndsTheRoundBeforeAnyPut)
{
    // Seat 1 gets twos to fours and the ace of hearts; the others share the rest in turn.
    const Hand twelve = twelveFrom(Two);
    ScriptedRandom deal;
    int next = 0;
    for (int card = 0; card < CardCount; ++card)
        deal.push(twelve[card] || card == cardOf(Hearts, Ace) ? 0 : 1 + next++ % 3);
    TwelveTurn dealt(game, deal);
    dealt.NewGame();

    EXPECT_EQ(dealt.GameState(), TurnState::RoundOver);
    EXPECT_EQ(game.TurnNo, 0);
    for (int seat = 1; seat <= SeatCount; ++seat) {
        EXPECT_EQ(game.TurnSlot[seat].MoveState, MoveNotPut);
        EXPECT_EQ(heldCount(game.Holding[seat]), HandSize);
    }
    EXPECT_EQ(game.HandRun[1].Place, 1);
    EXPECT_EQ(game.Scores[1][1], StartingPoints + PrizeTable[1]);
}

TEST_F(TwelveTurnTest, UncontestedCardsGoFreeInSeatOrder)
{
    reachChoosing();
    for (int seat = 2; seat <= SeatCount; ++seat) {
        PerSlot<int> worths{};
        worths[seat] = 10;
        value(seat, worths, worths);
    }
    computersChoose();
    ASSERT_TRUE(turn.ChooseCard(1));
    EXPECT_FALSE(turn.ChooseCard(2));

    std::vector<int> buyers;
    for (int sale = 0; sale < SeatCount; ++sale) {
        ASSERT_EQ(turn.GameState(), TurnState::Bidding);
        EXPECT_EQ(game.AuctionSlot, game.Leader);
        EXPECT_EQ(turn.BidStep(), BidOutcome::Closed);
        buyers.push_back(deliver());
    }
    EXPECT_EQ(buyers, (std::vector<int>{1, 2, 3, 4}));
    EXPECT_TRUE(raisers.empty());
    EXPECT_EQ(game.Scores[1], (PerSeat<int>{0, 1000, 1000, 1000, 1000}));
    EXPECT_EQ(game.TurnNo, 2);
}

struct ComputerAuctionCase
{
    int maxBid2, maxBid3;
    int buyer, price;
};

TEST_F(TwelveTurnTest, TwoComputersAuctionUpToTheirLimits)
{
    // Seats 2 and 3 want slot 3, seat 4 slot 4, the human slot 1.
    const ComputerAuctionCase cases[] = {
        {1, 0, 2, 1}, // nobody raises: the opener keeps it at 1
        {0, 0, 3, 0}, // neither would pay: the later one takes over the opening at 0
        {0, 2, 3, 1}, // the lower seat does not open at 0 and never raises
        {2, 1, 2, 1}, {3, 5, 3, 4}, // one above the loser's limit
    };
    for (const ComputerAuctionCase &c : cases) {
        SCOPED_TRACE(testing::Message() << "limits " << c.maxBid2 << " and " << c.maxBid3);
        reachChoosing();
        contestSlotThree(c.maxBid2, c.maxBid3);
        computersChoose();
        ASSERT_TRUE(turn.ChooseCard(1));
        EXPECT_EQ(game.Bid, c.maxBid2 > 0 || c.maxBid3 > 0 ? 1 : 0);
        EXPECT_EQ(game.InAuction, (PerSeat<bool>{false, false, true, true, false}));
        EXPECT_TRUE(turn.Status().empty());
        bidUntilSettled();
        EXPECT_EQ(turn.GameState(), TurnState::TurningSoldFace);
        EXPECT_EQ(game.Leader, c.buyer);
        EXPECT_EQ(game.Scores[1][c.buyer], StartingPoints - c.price);
    }
}

TEST_F(TwelveTurnTest, TheHumanMayJoinTheComputersAuction)
{
    reachChoosing();
    contestSlotThree(3, 5);
    computersChoose();
    ASSERT_TRUE(turn.ChooseCard(1));
    const int card = game.TurnSlot[3].Card;
    EXPECT_TRUE(turn.RaiseBid(5));
    EXPECT_FALSE(turn.RaiseBid(1)); // he leads already
    bidUntilSettled();
    EXPECT_EQ(deliver(), HumanSeat);
    EXPECT_TRUE(game.Holding[HumanSeat][card]);
    EXPECT_TRUE(game.Bought[HumanSeat]);
    EXPECT_EQ(game.Scores[1][1], StartingPoints - 6);
}

struct AtAllCostsCase
{
    int points;
    std::vector<int> raisers;
    bool waitsForNoMore;
    int buyer, price;
};

TEST_F(TwelveTurnTest, AtAllCostsAnswersEveryRaiseWhileTheHumanCanPay)
{
    // The human, seat 2 (limit 4) and seat 4 (limit 10) want slot 2; seat 4 opens at 1.
    const AtAllCostsCase cases[] = {
        {1000, {1, 2, 1, 4, 1, 4, 1, 4, 1}, false, 1, 10},
        {7, {1, 2, 1, 4, 1, 4}, true, 4, 7},
    };
    for (const AtAllCostsCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.points << " points");
        raisers.clear();
        reachChoosing();
        game.Scores[1][1] = c.points;
        value(2, {0, 0, 10, 0, 0}, {0, 0, 4, 0, 0});
        value(3, {0, 0, 0, 10, 0}, {0, 0, 0, 10, 0});
        value(4, {0, 0, 10, 0, 0}, {0, 0, 10, 0, 0});
        computersChoose();
        ASSERT_TRUE(turn.ChooseCard(2));
        EXPECT_EQ(game.Leader, 4);
        EXPECT_EQ(game.Bid, 1);
        EXPECT_EQ(turn.Status(), BidPrompt);
        EXPECT_TRUE(turn.BidAtAllCosts());
        bidUntilSettled();
        if (c.waitsForNoMore) {
            EXPECT_EQ(turn.GameState(), TurnState::Bidding);
            EXPECT_EQ(turn.BidStep(), BidOutcome::WaitingForHuman);
            EXPECT_EQ(turn.NoMore(), BidOutcome::Pausing);
        }
        EXPECT_EQ(raisers, c.raisers);
        EXPECT_EQ(turn.GameState(), TurnState::AtAllCostsPause);
        EXPECT_FALSE(game.AtAllCosts);
        turn.CloseAuction();
        EXPECT_EQ(game.Leader, c.buyer);
        EXPECT_EQ(game.Scores[1][c.buyer], c.buyer == 1 ? c.points - c.price : 1000 - c.price);
    }
}

TEST_F(TwelveTurnTest, HumanBidsNeedTheBiddingStatePointsAndNoLead)
{
    reachChoosing();
    EXPECT_FALSE(turn.RaiseBid(1)); // nothing is auctioned yet
    game.Scores[1][1] = 3;
    value(2, {0, 0, 10, 0, 0}, {0, 0, 0, 0, 0});
    value(3, {0, 0, 0, 10, 0}, {0, 0, 0, 10, 0});
    value(4, {0, 0, 10, 0, 0}, {0, 0, 3, 0, 0});
    computersChoose();
    ASSERT_TRUE(turn.ChooseCard(2));
    EXPECT_FALSE(turn.RaiseBid(5)); // 6 is more than his 3 points
    EXPECT_EQ(game.Bid, 1);
    EXPECT_EQ(game.Leader, 4);
    EXPECT_TRUE(raisers.empty());
    EXPECT_TRUE(turn.RaiseBid(1));
    EXPECT_FALSE(turn.RaiseBid(1)); // he leads
    EXPECT_EQ(turn.BidStep(), BidOutcome::ComputerRaised); // seat 4 goes to its limit of 3
    EXPECT_EQ(turn.BidStep(), BidOutcome::WaitingForHuman); // seat 2, limit 0, never raises
    EXPECT_FALSE(turn.RaiseBid(1)); // 4 is more than his 3 points
    EXPECT_EQ(turn.NoMore(), BidOutcome::Closed);
    EXPECT_EQ(game.Scores[1][1], 3);
    EXPECT_EQ(game.Scores[1][4], 997);
    EXPECT_EQ(raisers, (std::vector<int>{1, 4}));
}

// Every step refused tells its caller and changes nothing; the questions the table asks before
// a press agree with the steps.
TEST_F(TwelveTurnTest, RefusedStepsSaySoAndLeaveNothingBehind)
{
    reachChoosing();
    EXPECT_FALSE(turn.CardArrived(2)) << "arrived already";
    EXPECT_FALSE(turn.AnimationFinished()) << "nothing moves while choosing";
    EXPECT_FALSE(turn.CloseAuction()) << "no pause";
    EXPECT_FALSE(turn.mayPut(firstHeldCard(HumanSeat)));
    EXPECT_TRUE(turn.mayChoose(2));

    // Seats 2 and 3 contest slot 3; the player wants slot 1 alone and may join in.
    contestSlotThree(4, 5);
    computersChoose();
    ASSERT_TRUE(turn.ChooseCard(1));
    EXPECT_FALSE(turn.mayChoose(2));
    ASSERT_EQ(game.AuctionSlot, 3);
    EXPECT_FALSE(turn.maySayNoMore()) << "he takes no part";
    EXPECT_EQ(turn.NoMore(), BidOutcome::Ignored);
    EXPECT_FALSE(game.HumanNoMore);

    game.Scores[1][1] = game.Bid;
    EXPECT_FALSE(turn.mayRaise(1));
    EXPECT_FALSE(turn.BidAtAllCosts()) << "he cannot pay the first raise";
    EXPECT_FALSE(game.AtAllCosts) << "a refused press promises nothing";
    game.Scores[1][1] = game.Bid + 1;
    EXPECT_TRUE(turn.mayRaise(1));
    EXPECT_FALSE(turn.mayRaise(5));
    EXPECT_TRUE(turn.RaiseBid(1));
    EXPECT_TRUE(turn.maySayNoMore()) << "his bid makes him take part";
    EXPECT_NE(turn.NoMore(), BidOutcome::Ignored);
    EXPECT_FALSE(turn.maySayNoMore()) << "once";
}

TEST_F(TwelveTurnTest, TheLastCardGoesToTheHumanWhenHisWasSoldLast)
{
    reachChoosing();
    // All computers want slot 2; seat 2 buys it. Seats 3 and 4 then want slot 3, seat 3 buys
    // it. Seat 4 then wants the human's slot 1 and buys it, leaving slot 4 to the human.
    value(2, {0, 0, 10, 0, 0}, {0, 0, 5, 0, 0});
    value(3, {0, 0, 10, 8, 0}, {0, 0, 1, 5, 0});
    value(4, {0, 6, 10, 8, 0}, {0, 2, 1, 1, 0});
    computersChoose();
    ASSERT_TRUE(turn.ChooseCard(1));
    EXPECT_EQ(game.AuctionSlot, 2);
    bidUntilSettled();
    EXPECT_EQ(deliver(), 2);
    EXPECT_EQ(game.AuctionSlot, 3);
    bidUntilSettled();
    EXPECT_EQ(deliver(), 3);
    EXPECT_EQ(game.AuctionSlot, 1);
    EXPECT_EQ(game.Leader, 4);
    EXPECT_EQ(turn.BidStep(), BidOutcome::WaitingForHuman);
    EXPECT_EQ(turn.NoMore(), BidOutcome::Closed);
    EXPECT_EQ(deliver(), 4);

    EXPECT_EQ(turn.GameState(), TurnState::Bidding);
    EXPECT_EQ(game.Wanted[HumanSeat], 4);
    EXPECT_EQ(game.AuctionSlot, 4);
    EXPECT_EQ(game.Leader, HumanSeat);
    EXPECT_EQ(game.Bid, 0);
    EXPECT_EQ(turn.BidStep(), BidOutcome::Closed);
    EXPECT_EQ(deliver(), HumanSeat);
    EXPECT_EQ(game.Scores[1], (PerSeat<int>{0, 1000, 999, 999, 999}));
}

TEST_F(TwelveTurnTest, TheHumanChoosesAgainWhenHisCardWentElsewhere)
{
    reachChoosing();
    value(2, {0, 10, 0, 0, 0}, {0, 3, 0, 0, 0});
    value(3, {0, 0, 0, 10, 0}, {0, 0, 0, 10, 0});
    value(4, {0, 0, 0, 0, 10}, {0, 0, 0, 0, 10});
    computersChoose();
    ASSERT_TRUE(turn.ChooseCard(1));
    EXPECT_EQ(turn.NoMore(), BidOutcome::Closed);
    EXPECT_EQ(deliver(), 2);
    EXPECT_EQ(turn.GameState(), TurnState::Choosing);
    EXPECT_EQ(turn.Status(), TakePrompt);
    EXPECT_FALSE(turn.ChooseCard(1)); // sold
    EXPECT_TRUE(turn.ChooseCard(2));
}

} // namespace

namespace {

// Deals seat 1 the twos to fours and the ace of hearts, so every round ends at once.
void scriptTwelveDeal(ScriptedRandom &deal)
{
    const Hand twelve = twelveFrom(Two);
    int next = 0;
    for (int card = 0; card < CardCount; ++card)
        deal.push(twelve[card] || card == cardOf(Hearts, Ace) ? 0 : 1 + next++ % 3);
}

}

TEST_F(TwelveTurnTest, RoundEndsShowThePointsBeforeThePrizesUntilTheNextRound)
{
    ScriptedRandom deal;
    for (int round = 1; round <= RoundCount; ++round)
        scriptTwelveDeal(deal);
    TwelveTurn rounds(game, deal);
    rounds.NewGame();
    ASSERT_EQ(rounds.GameState(), TurnState::RoundOver);
    EXPECT_EQ(game.Scores[1][HumanSeat], StartingPoints + PrizeTable[1]);
    for (int seat = 1; seat <= SeatCount; ++seat)
        EXPECT_EQ(rounds.BoxScore(seat), StartingPoints) << "seat " << seat;

    for (int round = 1; round < RoundCount; ++round) {
        int sheetShownInRound = 0;
        EXPECT_EQ(rounds.EndOfRoundConfirmed([&] { sheetShownInRound = game.RoundNo; }),
                  TwelveTurn::RoundConfirmed::NextRoundDealt);
        EXPECT_EQ(sheetShownInRound, round) << "the sheet shows before the next deal";
        EXPECT_EQ(game.RoundNo, round + 1);
        EXPECT_EQ(rounds.BoxScore(HumanSeat), StartingPoints + round * PrizeTable[1]);
    }

    bool overWhenShown = false;
    EXPECT_EQ(rounds.EndOfRoundConfirmed([&] { overWhenShown = game.GameOver; }),
              TwelveTurn::RoundConfirmed::GameOver);
    EXPECT_TRUE(overWhenShown) << "the last sheet shows the final result";
    EXPECT_EQ(game.FinalScore, StartingPoints + RoundCount * PrizeTable[1]);
    EXPECT_EQ(rounds.BoxScore(HumanSeat), game.FinalScore);

    bool shownAgain = false;
    EXPECT_EQ(rounds.EndOfRoundConfirmed([&] { shownAgain = true; }),
              TwelveTurn::RoundConfirmed::Refused);
    EXPECT_FALSE(shownAgain);
    EXPECT_EQ(game.RoundNo, RoundCount);
}

TEST_F(TwelveTurnTest, TheSaleIsKnownAfterTheNextAuctionBegan)
{
    reachChoosing();
    contestSlotThree(2, 5);
    computersChoose();
    const int card = game.TurnSlot[3].Card;
    ASSERT_TRUE(turn.ChooseCard(1));
    bidUntilSettled();
    deliver();
    EXPECT_NE(game.AuctionSlot, 3) << "the next sale is under way";
    EXPECT_EQ(turn.LastSale().Slot, 3);
    EXPECT_EQ(turn.LastSale().Buyer, 3);
    EXPECT_EQ(turn.LastSale().Card, card);
    EXPECT_EQ(turn.LastSale().Price, 2);
}

TEST_F(TwelveTurnTest, NoStepRunsWhileARaiseIsAnnounced)
{
    reachChoosing();
    contestSlotThree(4, 5);
    computersChoose();
    ASSERT_TRUE(turn.ChooseCard(3));
    const int round = game.RoundNo;
    bool refused = true;
    turn.onBidRaised = [&](int) {
        const TwelveGame during = game;
        refused = refused && turn.NoMore() == BidOutcome::Ignored && !turn.RaiseBid(5)
            && !turn.BidAtAllCosts() && turn.BidStep() == BidOutcome::Ignored && !turn.ChooseCard(4)
            && turn.EndOfRoundConfirmed({}) == TwelveTurn::RoundConfirmed::Refused;
        refused = refused && !turn.NewGame() && !turn.CloseAuction() && !turn.AnimationFinished()
            && !turn.CardArrived(1) && !turn.mayRaise(1) && !turn.maySayNoMore();
        refused = refused && game.Bid == during.Bid && game.Leader == during.Leader
            && !game.HumanNoMore && game.RoundNo == round && game.Holding == during.Holding;
    };
    EXPECT_EQ(turn.BidStep(), BidOutcome::ComputerRaised);
    EXPECT_TRUE(refused);
    EXPECT_EQ(turn.GameState(), TurnState::Bidding);
    EXPECT_EQ(turn.NoMore(), BidOutcome::ComputerRaised) << "accepted once the raise is over";
}

// However the human plays, a round ends: drawn at its turn limit, or once every twelve needs a
// card he has kept for HeldUpTurns turns. A drawn round places and pays nobody and counts as
// one of the eleven.
TEST_F(TwelveTurnTest, ARoundEndsDrawnAtItsTurnLimitOrWhenTheHumanHoldsItUp)
{
    reachChoosing();
    TwelveGame dealt = turn.TurnStart();
    // The human holds the clubs Two, Five, Eight, Jack and Ace: one in every window of ranks.
    for (const int rank : {Two, Five, Eight, Jack, Ace}) {
        const int club = cardOf(Clubs, rank);
        if (dealt.Holding[HumanSeat][club])
            continue;
        int holder = 2;
        while (!dealt.Holding[holder][club])
            ++holder;
        int spare = 0;
        while (!dealt.Holding[HumanSeat][spare] || suitOf(spare) == Clubs)
            ++spare;
        std::swap(dealt.Holding[HumanSeat][club], dealt.Holding[holder][club]);
        std::swap(dealt.Holding[HumanSeat][spare], dealt.Holding[holder][spare]);
    }
    ASSERT_FALSE(EvaluateHands(dealt)) << "no twelve to end the round";
    const struct
    {
        const char *what;
        int turnNo;
        int keptSince;
        bool drawn;
    } cases[] = {
        {"at the turn limit", DrawnRoundTurns, DrawnRoundTurns, true},
        {"a turn before it", DrawnRoundTurns - 1, DrawnRoundTurns - 1, false},
        {"held up", HeldUpTurns + 5, 5, true},
        {"a turn short of held up", HeldUpTurns + 5, 6, false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TwelveGame kept = dealt;
        kept.TurnNo = c.turnNo;
        kept.HumanSince.fill(c.keptSince);
        TwelveGame played;
        TwelveTurn resumed(played, random);
        ASSERT_TRUE(resumed.ResumeGame(kept));
        if (!c.drawn) {
            EXPECT_NE(resumed.GameState(), TurnState::RoundOver);
            continue;
        }
        ASSERT_EQ(resumed.GameState(), TurnState::RoundOver);
        EXPECT_TRUE(roundDrawn(played));
        for (int seat = 1; seat <= SeatCount; ++seat) {
            EXPECT_EQ(played.HandRun[seat].Place, 0);
            EXPECT_EQ(played.Scores[played.RoundNo][seat], kept.Scores[kept.RoundNo][seat]);
        }
        EXPECT_EQ(resumed.EndOfRoundConfirmed({}), TwelveTurn::RoundConfirmed::NextRoundDealt);
        EXPECT_EQ(played.RoundNo, kept.RoundNo + 1) << "the drawn round counts";
    }
}

// The clock of a card the human keeps starts when he is given it, not when he takes back the
// card he put himself.
TEST_F(TwelveTurnTest, ACardTakenBackStaysKeptSinceItCame)
{
    reachChoosing();
    const int put = game.TurnSlot[HumanSeat].Card;
    // Every computer wants its own card back.
    value(2, {0, 0, 10, 0, 0}, {});
    value(3, {0, 0, 0, 10, 0}, {});
    value(4, {0, 0, 0, 0, 10}, {});
    computersChoose();
    ASSERT_TRUE(turn.ChooseCard(HumanSeat));
    while (turn.GameState() != TurnState::Travelling) {
        if (turn.GameState() == TurnState::Bidding)
            bidUntilSettled();
        turn.AnimationFinished();
    }
    ASSERT_TRUE(game.Holding[HumanSeat][put]);
    EXPECT_EQ(game.HumanSince[put], 0);
}

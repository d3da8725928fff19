#include "TwelveTableLayout.h"
#include "TwelveMotion.h"
#include "TwelveTestHands.h"

#include <QLineF>
#include <gtest/gtest.h>

using namespace TwelveTableLayout;

namespace {

std::vector<int> lefts(const std::vector<PlacedCard> &placed, int top)
{
    std::vector<int> found;
    for (const PlacedCard &card : placed)
        if (card.place.y() == top)
            found.push_back(card.place.x());
    return found;
}

constexpr int ClubsRowTop = H - 210;
constexpr int DiamondsRowTop = H + SuitStep - 210;

}

TEST(TwelveTableLayout, ThePlayersRowsPackedOrWithAColumnPerRank)
{
    Hand clubs{};
    for (int rank = Two; rank <= Ace; ++rank)
        clubs[cardOf(Clubs, rank)] = true;
    EXPECT_EQ(lefts(handLayout(HumanSeat, clubs, false), ClubsRowTop).front(), 255);
    EXPECT_EQ(lefts(handLayout(HumanSeat, clubs, true), ClubsRowTop).front(), 255);

    const Hand gap = handOf({cardOf(Clubs, Two), cardOf(Clubs, Four), cardOf(Diamonds, Ace)});
    EXPECT_EQ(lefts(handLayout(HumanSeat, gap, true), ClubsRowTop), (std::vector<int>{255, 285}))
        << "a missing three leaves its column empty";
    EXPECT_EQ(lefts(handLayout(HumanSeat, gap, false), ClubsRowTop), (std::vector<int>{330, 345}))
        << "packed and centred: ((392 - 15 - 35) div 15) x 15";
    EXPECT_EQ(lefts(handLayout(HumanSeat, gap, true), DiamondsRowTop),
              (std::vector<int>{255 + 12 * Overlap}))
        << "the void spades do not move the diamonds up";
}

TEST(TwelveTableLayout, AComputersVoidSuitLeavesItsColumnEmpty)
{
    const Hand hand = handOf({cardOf(Clubs, Two), cardOf(Hearts, Two), cardOf(Hearts, Three)});
    const auto right = handLayout(2, hand, true);
    ASSERT_EQ(right.size(), 3u);
    EXPECT_EQ(right[0].place.x(), W - 101);
    EXPECT_EQ(right[1].place.x(), W - 3 * SuitStep - 101);
    EXPECT_GT(right[1].place.y(), right[2].place.y()) << "higher ranks lie higher up";
    const auto left = handLayout(4, hand, true);
    EXPECT_EQ(left[1].place.x(), 3 * SuitStep + 5);
    EXPECT_LT(left[1].place.y(), left[2].place.y());
}

TEST(TwelveTableLayout, MiddleRowAndPanels)
{
    const int middleTop = (H - 19) / 2 - 48;
    EXPECT_EQ(middleCard(4), QPoint(228, middleTop));
    EXPECT_EQ(middleCard(3), QPoint(314, middleTop));
    EXPECT_EQ(middleCard(1), QPoint(399, middleTop));
    EXPECT_EQ(middleCard(2), QPoint(485, middleTop));
    EXPECT_EQ(centred(CentrePanelSize).topLeft(), QPoint(392 - 164, 253 - 52));
    EXPECT_EQ(auctionFrame(middleCard(1)), QRect(391, middleTop - 8, 88, 114));
}

TEST(TwelveTableLayout, RoundEndColumnsLineUpEqualRanks)
{
    const Hand hand = handOf({cardOf(Clubs, Two), cardOf(Hearts, Two), cardOf(Spades, Ten)});
    const auto placed = roundEndLayout(3, hand);
    ASSERT_EQ(placed.size(), 3u);
    const int first = (392 - (15 * 2 - 15) / 2 - 35) / 15 * 15;
    EXPECT_EQ(placed[0].place, QPoint(first, 5));
    EXPECT_EQ(placed[1].place, QPoint(first + Overlap, 2 * SuitStep + 5));
    EXPECT_EQ(placed[2].place, QPoint(first, 3 * SuitStep + 5));
    const auto right = roundEndLayout(2, hand);
    EXPECT_EQ(right[0].place, QPoint((W - 30 - 61) / 15 * 15, 253 - 93));
}

TEST(TwelveMotion, MovementsEndExactlyOnTheirTargets)
{
    EXPECT_EQ(TwelveMotion::travelStep({399, 90}, {399, 205}, 144), QPoint(399, 205));
    EXPECT_EQ(TwelveMotion::travelStep({623, 205}, {485, 205}, 100), QPoint(523, 205));
    EXPECT_EQ(TwelveMotion::turningCard({100, 50}, 7), QRect(132, 50, 7, 96));

    const struct
    {
        QPoint from, to;
        int step;
    } flights[] = {{{399, 205}, {357, 351}, 100},
                   {{228, 205}, {60, 205}, 7},
                   {{314, 205}, {314, 60}, 144},
                   {{485, 205}, {653, 205}, 1}};
    for (const auto &f : flights) {
        TwelveMotion::Flight flight(f.from, f.to, f.step);
        int ticks = 0;
        QPoint last = f.from;
        while (!flight.advance()) {
            const QPoint now = flight.position();
            EXPECT_LE(QLineF(last, now).length(), f.step + 1.0);
            last = now;
            ASSERT_LT(++ticks, 1000);
        }
        EXPECT_EQ(flight.position(), f.to);
    }
}

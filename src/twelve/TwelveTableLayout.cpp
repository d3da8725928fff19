#include "TwelveTableLayout.h"

#include <array>

namespace TwelveTableLayout {

namespace {

constexpr int MiddleTop = CentreY - CardHeight / 2;
constexpr std::array<int, SlotCount + 1> MiddleLefts{0, W / 2 + 7, W / 2 + 93, W / 2 - 78,
                                                     W / 2 - 164};

// Rows of the player's own cards, suit by suit from the top.
constexpr int humanRowTop(int suit)
{
    return H + SuitStep * suit - 210;
}

// The overlap grid: a left or top edge rounded down to a whole number of overlaps.
constexpr int onGrid(int edge)
{
    return edge / Overlap * Overlap;
}

std::array<std::vector<int>, SuitCount> heldBySuit(const Hand &hand)
{
    std::array<std::vector<int>, SuitCount> suits;
    for (int card = 0; card < CardCount; ++card)
        if (hand[card])
            suits[suitOf(card)].push_back(card);
    return suits;
}

// Where the c-th of n held cards of one suit lies along its row or column.
int humanColumn(int card, int c, int n, bool stretch)
{
    if (stretch)
        return onGrid(W / 2 - 132) + Overlap * rankOf(card);
    return onGrid(W / 2 - Overlap * n / 2 - 35) + Overlap * c;
}

// The computers' fans start this many overlaps from the edge, so they are centred.
int fanStart(int centre, int n)
{
    return (centre - Overlap * n / 2 - 35) / Overlap;
}

QPoint fannedCard(int seat, int suit, int c, int n)
{
    switch (seat) {
    case 2:
        return {W - SuitStep * suit - 101, (n + fanStart(CentreY, n) - c) * Overlap};
    case 3:
        return {(n + fanStart(W / 2, n) - c) * Overlap, SuitStep * suit + 5};
    default:
        return {SuitStep * suit + 5, fanStart(CentreY, n) * Overlap + Overlap * c};
    }
}

}

QPoint middleCard(int slot)
{
    return {MiddleLefts[slot], MiddleTop};
}

QPoint travelStart(int seat)
{
    const QPoint target = middleCard(seat);
    switch (seat) {
    case 1:
        return {target.x(), H - 205};
    case 2:
        return {W - 161, target.y()};
    case 3:
        return {target.x(), 90};
    default:
        return {90, target.y()};
    }
}

QPoint flightTarget(int seat)
{
    switch (seat) {
    case 1:
        return {W / 2 - 35, H - 175};
    case 2:
        return {W - 131, MiddleTop};
    case 3:
        return {W / 2 - 35, 60};
    default:
        return {60, MiddleTop};
    }
}

QRect marker(int seat, QPoint card)
{
    switch (seat) {
    case 1:
        return {card + QPoint(2, CardHeight), UprightMarker};
    case 2:
        return {card + QPoint(CardWidth, 2), LyingMarker};
    case 3:
        return {card + QPoint(2, -UprightMarker.height()), UprightMarker};
    default:
        return {card + QPoint(-LyingMarker.width(), 2), LyingMarker};
    }
}

QRect auctionFrame(QPoint card)
{
    return {card - QPoint(AuctionFrameMargin, AuctionFrameMargin), AuctionFrameSize};
}

QRect bidPanel(int seat)
{
    const int across = W / 2 - BidPanelSize.width() / 2;
    const int down = CentreY - BidPanelSize.height() / 2;
    switch (seat) {
    case 1:
        return {{across, H - BidPanelSize.height() - 34}, BidPanelSize};
    case 2:
        return {{W - BidPanelSize.width() - 60, down}, BidPanelSize};
    case 3:
        return {{across, 30}, BidPanelSize};
    default:
        return {{60, down}, BidPanelSize};
    }
}

QRect placePanel(int seat)
{
    switch (seat) {
    case 1:
        return {{W / 2 + 125, H - BidPanelSize.height() - 54}, BidPanelSize};
    case 2:
        return {{W - BidPanelSize.width() - 50, CentreY - BidPanelSize.height() - 93},
                BidPanelSize};
    case 3:
        return {{W / 2 - BidPanelSize.width() - 125, 35}, BidPanelSize};
    default:
        return {{50, CentreY + 93}, BidPanelSize};
    }
}

QRect scoreBox(int seat)
{
    switch (seat) {
    case 1:
        return {{W / 2 + 125, H - ScoreBoxSize.height() - 69}, ScoreBoxSize};
    case 2:
        return {{W - ScoreBoxSize.width() - 50, CentreY - ScoreBoxSize.height() - 113},
                ScoreBoxSize};
    case 3:
        return {{W / 2 - ScoreBoxSize.width() - 125, 50}, ScoreBoxSize};
    default:
        return {{50, CentreY + 113}, ScoreBoxSize};
    }
}

QRect centred(QSize panel)
{
    return {{W / 2 - panel.width() / 2, CentreY - panel.height() / 2}, panel};
}

std::vector<PlacedCard> handLayout(int seat, const Hand &hand, bool stretch)
{
    std::vector<PlacedCard> placed;
    const auto suits = heldBySuit(hand);
    for (int suit = 0; suit < SuitCount; ++suit) {
        const int n = static_cast<int>(suits[suit].size());
        for (int c = 0; c < n; ++c) {
            const int card = suits[suit][c];
            const QPoint place = seat == HumanSeat
                ? QPoint(humanColumn(card, c, n, stretch), humanRowTop(suit))
                : fannedCard(seat, suit, c, n);
            placed.push_back({card, place});
        }
    }
    return placed;
}

std::vector<PlacedCard> roundEndLayout(int seat, const Hand &hand)
{
    std::array<int, RankCount> column{};
    int distinct = 0;
    for (int rank = 0; rank < RankCount; ++rank) {
        column[rank] = distinct;
        for (int suit = 0; suit < SuitCount; ++suit) {
            if (hand[cardOf(suit, rank)]) {
                ++distinct;
                break;
            }
        }
    }
    int firstColumn;
    if (seat == 2)
        firstColumn = onGrid(W - Overlap * distinct - 61);
    else if (seat == 4)
        firstColumn = 5;
    else
        firstColumn = onGrid(W / 2 - (Overlap * distinct - Overlap) / 2 - 35);

    std::vector<PlacedCard> placed;
    for (int card = 0; card < CardCount; ++card) {
        if (!hand[card])
            continue;
        const int suit = suitOf(card);
        int top;
        if (seat == HumanSeat)
            top = humanRowTop(suit);
        else if (seat == 3)
            top = SuitStep * suit + 5;
        else
            // Rows 93, 63, 33 and 3 pixels above the table's centre line.
            top = CentreY - 93 + SuitStep * suit;
        placed.push_back({card, {firstColumn + Overlap * column[rankOf(card)], top}});
    }
    return placed;
}

}

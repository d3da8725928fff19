#pragma once

#include "TwelveRules.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <vector>

// Where everything lies on the Twelve table, in the coordinates of the table (the window's
// client area below the menu, status bar included). All divisions truncate, as the table's
// numbers were laid out with integer arithmetic.
namespace TwelveTableLayout {

inline constexpr int W = 784;
inline constexpr int H = 526;
inline constexpr QSize TableSize{W, H};
inline constexpr int StatusHeight = 19;
// The table's vertical centre, above the status bar.
inline constexpr int CentreY = (H - StatusHeight) / 2;
inline constexpr QSize RoomSize{W, H - StatusHeight};

inline constexpr int CardWidth = 71;
inline constexpr int CardHeight = 96;
inline constexpr QSize UprightCard{CardWidth, CardHeight};
inline constexpr QSize LyingCard{CardHeight, CardWidth};
// Cards of a hand overlap so that this much of each shows; suits lie this far apart.
inline constexpr int Overlap = 15;
inline constexpr int SuitStep = 30;

inline constexpr QSize RunFrameSize{15, 30};
inline constexpr QSize UprightMarker{67, 7};
inline constexpr QSize LyingMarker{7, 92};
inline constexpr QSize BidPanelSize{89, 67};
inline constexpr QSize ScoreBoxSize{60, 33};
inline constexpr QSize AuctionFrameSize{88, 114};
inline constexpr int AuctionFrameMargin = 8;
inline constexpr QSize CentrePanelSize{329, 105};
inline constexpr QSize PanelButtonSize{75, 25};
inline constexpr QPoint EndOfRoundOkPlace{128, 72};
inline constexpr QPoint GameOverExitPlace{40, 72};
inline constexpr QPoint GameOverNewGamePlace{184, 72};

// The seats' names, each kept clear of the player's widest hand and the panel behind the bid
// buttons (seat 1) and inside its wall (seats 2 and 4); a name too long for its place ends in
// an ellipsis.
inline constexpr QRect NameLabels[SeatCount + 1]{
    {}, {508, 472, 90, 16}, {652, 72, 121, 16}, {169, 16, 137, 16}, {11, 416, 119, 16}};
// The bid buttons, top to bottom: "+1", "+5", "At all costs", "No more"; the picture behind.
inline constexpr QSize BidButtonSize{94, 25};
inline constexpr QPoint BidButtonPlaces[4]{{610, 376}, {610, 408}, {610, 440}, {610, 472}};
inline constexpr QRect ButtonBackdrop{600, 368, 113, 137};

// The seats' colours: markers and bid panels.
inline constexpr QColor SeatColours[SeatCount + 1]{
    {}, {0, 0, 255}, {255, 0, 0}, {0, 128, 0}, {255, 255, 0}};

// Names and numbers on the seats' walls and panels: white, but black on the light yellow.
inline constexpr QColor SeatTextColours[SeatCount + 1]{
    {}, {255, 255, 255}, {255, 255, 255}, {255, 255, 255}, {0, 0, 0}};

inline constexpr int BidFontPoints = 24;
inline constexpr int ScoreFontPoints = 10;
// Why a round ended drawn, in a strip under the End of Round panel.
inline constexpr int RoundEndNotePoints = 10;
inline constexpr int RoundEndNoteHeight = 22;

// Seats 1 and 3 hold their cards upright, seats 2 and 4 lying.
constexpr bool uprightSeat(int seat)
{
    return seat % 2 == 1;
}

// Slot k's card in the middle row (left to right slots 4, 3, 1, 2).
QPoint middleCard(int slot);
// Where seat s's put card starts its travel to the middle.
QPoint travelStart(int seat);
// Where a sold card flies to in its buyer's hand.
QPoint flightTarget(int seat);
// The seat's marker bar beside a middle card at the given place.
QRect marker(int seat, QPoint card);
QRect auctionFrame(QPoint card);
QRect bidPanel(int seat);
QRect placePanel(int seat);
QRect scoreBox(int seat);
QRect centred(QSize panel);

// One card of a hand as laid out: the card and the top-left corner of its picture.
struct PlacedCard
{
    int card;
    QPoint place;
};

// The held cards of a seat in id order, placed as the seat shows them during play: seat 1 by
// suit rows, with a column per rank (stretch) or packed and centred; the computers' backs
// fanned per suit with higher ranks nearer the player's left.
std::vector<PlacedCard> handLayout(int seat, const Hand &hand, bool stretch);
// The held cards face up at the end of a round: a row per suit, a column per distinct rank the
// seat holds, so equal ranks line up.
std::vector<PlacedCard> roundEndLayout(int seat, const Hand &hand);

}

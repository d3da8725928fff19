#include "TwelveHintView.h"

#include "HintFrame.h"
#include "Picture.h"
#include "TwelveHint.h"
#include "TwelveTable.h"

namespace {

const QColor FrameColour(255, 200, 0);

} // namespace

TwelveHintView::TwelveHintView(TwelveTable *table)
    : QObject(table)
    , table(table)
    , frame(new HintFrame(table, FrameColour, HintFrame::WhenMoved::Goes))
{
    connect(table, &TwelveTable::cardPressed, frame, &HintFrame::clear);
}

void TwelveHintView::showHint(const TwelveGame &game, TurnState state)
{
    frame->clear();
    const bool mayPut = (state == TurnState::Travelling || state == TurnState::WaitingForPut)
        && game.TurnSlot[HumanSeat].MoveState == MoveNotPut;
    if (mayPut) {
        frame->mark(table->faces[hintPutCard(game)]);
        return;
    }
    if (state == TurnState::Choosing && !game.Bought[HumanSeat]) {
        if (const int slot = hintChooseSlot(game))
            frame->mark(table->faces[game.TurnSlot[slot].Card]);
        return;
    }
    if (state == TurnState::Bidding && !game.Bought[HumanSeat])
        table->SetStatus(QStringLiteral("This card is worth %1 points to you.")
                             .arg(hintCardWorth(game, game.AuctionSlot)));
}

void TwelveHintView::clear()
{
    frame->clear();
}

QWidget *TwelveHintView::framedCard() const
{
    return frame->picture();
}

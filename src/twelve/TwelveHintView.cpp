#include "TwelveHintView.h"

#include "Picture.h"
#include "TwelveHint.h"
#include "TwelveTable.h"

#include <QEvent>
#include <QPainter>

namespace {

constexpr int FrameWidth = 3;
const QColor FrameColour(255, 200, 0);

} // namespace

TwelveHintView::TwelveHintView(TwelveTable *table)
    : QWidget(table)
    , table(table)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    hide();
    connect(table, &TwelveTable::cardPressed, this, &TwelveHintView::clear);
}

void TwelveHintView::showHint(const TwelveGame &game, TurnState state)
{
    clear();
    const bool mayPut = (state == TurnState::Travelling || state == TurnState::WaitingForPut)
        && game.TurnSlot[HumanSeat].MoveState == MoveNotPut;
    if (mayPut) {
        frame(table->faces[hintPutCard(game)]);
        return;
    }
    if (state == TurnState::Choosing && !game.Bought[HumanSeat]) {
        if (const int slot = hintChooseSlot(game))
            frame(table->faces[game.TurnSlot[slot].Card]);
        return;
    }
    if (state == TurnState::Bidding && !game.Bought[HumanSeat])
        table->SetStatus(QStringLiteral("This card is worth %1 points to you.")
                             .arg(hintCardWorth(game, game.AuctionSlot)));
}

void TwelveHintView::frame(QWidget *target)
{
    card = target;
    target->installEventFilter(this);
    setGeometry(target->geometry().adjusted(-FrameWidth, -FrameWidth, FrameWidth, FrameWidth));
    show();
    raise();
}

void TwelveHintView::clear()
{
    if (card)
        card->removeEventFilter(this);
    card = nullptr;
    hide();
}

bool TwelveHintView::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (watched == card && (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Hide))
        clear();
    return QWidget::eventFilter(watched, event);
}

void TwelveHintView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QPen pen(FrameColour, FrameWidth);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(FrameWidth / 2.0, FrameWidth / 2.0, -FrameWidth / 2.0,
                                             -FrameWidth / 2.0));
}

#include "TwelveWindowFixture.h"

#include "Application.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "StartUp.h"
#include "TwelvePlayers.h"
#include "TwelveSeatOrder.h"

#include <QFrame>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void SoundRecorder::play(const QString &, Sound::Mode)
{
    ++played;
    if (whilePlaying)
        whilePlaying();
}

TwelveWindowTest::TwelveWindowTest()
    : program(createWindows())
{
    Sound::setBackend(&sounds);
}

TwelveWindowTest::~TwelveWindowTest()
{
    window.reset();
    TwelveSeatOrder = false;
    Sound::setBackend(nullptr);
    setMainWindow(nullptr);
}

void TwelveWindowTest::open()
{
    window = std::make_unique<TwelveWindow>(program.get());
    window->show();
}

int TwelveWindowTest::tickUntilWaiting()
{
    constexpr int TickLimit = 100000;
    int ticks = 0;
    while (window->moveTimer->isActive() && ticks < TickLimit) {
        window->moveTick();
        ++ticks;
    }
    EXPECT_LT(ticks, TickLimit) << "the move timer never stopped";
    return ticks;
}

void TwelveWindowTest::pressFace(int card)
{
    press(table().faces[card]);
}

void TwelveWindowTest::press(QWidget *widget)
{
    QTest::mousePress(widget, Qt::LeftButton, {}, widget->rect().center());
    QTest::mouseRelease(widget, Qt::LeftButton, {}, widget->rect().center());
}

int TwelveWindowTest::heldCard(int seat, int index) const
{
    for (int card = 0; card < CardCount; ++card)
        if (game().Holding[seat][card] && index-- == 0)
            return card;
    return -1;
}

void TwelveWindowTest::putAndTurnUp()
{
    pressFace(heldCard(HumanSeat));
    tickUntilWaiting();
}

void TwelveWindowTest::giveUp()
{
    press(table().noMoreButton);
}

TwelveWindowTest::Contest TwelveWindowTest::currentContest() const
{
    const int slot = game().AuctionSlot;
    return {slot, game().TurnSlot[slot].Card, game().Scores[game().RoundNo][HumanSeat]};
}

void TwelveWindowTest::outbid(const std::function<void()> &raise,
                              const std::function<void()> &afterRaise)
{
    while (waitingForHumanBid(game(), state())) {
        raise();
        ASSERT_EQ(game().Leader, HumanSeat);
        afterRaise();
        tickWhile([&] { return state() == TurnState::Bidding && window->moveTimer->isActive(); });
    }
}

void TwelveWindowTest::expectContestSettled(const Contest &contest, bool won)
{
    const int paid = won ? game().Bid : 0;
    tickWhile([&] { return game().TurnSlot[contest.slot].FaceUp; });
    EXPECT_EQ(bool(game().Holding[HumanSeat][contest.card]), won);
    EXPECT_EQ(game().Scores[game().RoundNo][HumanSeat], contest.points - paid);
}

void TwelveWindowTest::answerModalsInTurn(QStringList captions)
{
    if (captions.isEmpty())
        return;
    const QString caption = captions.takeFirst();
    onNextModal([caption, captions](QWidget *modal) {
        answerModalsInTurn(captions);
        const auto buttons = modal->findChildren<QPushButton *>();
        for (QPushButton *button : buttons) {
            if (button->isVisible() && button->text() == caption) {
                button->click();
                return;
            }
        }
        ADD_FAILURE() << "no button " << caption.toStdString();
        modal->close();
    });
}

void TwelveWindowTest::confirmRound()
{
    answerModalsInTurn({QStringLiteral("OK")});
    table().roundEndOkButton->click();
}

int TwelveWindowTest::mostWantedSlot() const
{
    const PerSlot<int> worths = middleCardWorths(game(), HumanSeat);
    int best = 0;
    for (int slot = 1; slot <= SlotCount; ++slot)
        if (game().TurnSlot[slot].FaceUp && (best == 0 || worths[slot] > worths[best]))
            best = slot;
    return best;
}

bool TwelveWindowTest::playUntil(const std::function<bool()> &condition, int decisions)
{
    for (int decision = 0; decision < decisions; ++decision) {
        tickUntilWaiting();
        if (condition())
            return true;
        switch (state()) {
        case TurnState::Travelling:
        case TurnState::WaitingForPut:
            put(leastValuedCard(game().Holding[HumanSeat]));
            break;
        case TurnState::Choosing:
            choose(mostWantedSlot());
            break;
        case TurnState::Bidding:
            giveUp();
            break;
        case TurnState::RoundOver:
            if (game().RoundNo == RoundCount)
                return false;
            confirm();
            break;
        default:
            ADD_FAILURE() << "the game waits in state " << int(state());
            return false;
        }
    }
    ADD_FAILURE() << "still waiting in state " << int(state()) << " after " << decisions
                  << " decisions";
    return false;
}

void TwelveWindowTest::tickWhile(const std::function<bool()> &condition)
{
    constexpr int TickLimit = 100000;
    for (int ticks = 0; condition(); ++ticks) {
        ASSERT_LT(ticks, TickLimit) << "stuck in state " << int(state());
        window->moveTick();
    }
}

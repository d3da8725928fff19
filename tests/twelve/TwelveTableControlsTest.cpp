// The table shows what a press would do: bid buttons enabled exactly when the engine takes
// them, the card under the mouse lit when it would act, Enter on the panels, names that fit.
#include "TwelveWindowFixture.h"

#include "Click.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "ScriptedRandom.h"
#include "TwelveTableLayout.h"
#include "TwelveTestHands.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <qpa/qwindowsysteminterface.h>

using namespace TwelveTableLayout;

namespace {

std::array<bool, 4> enabledButtons(TwelveTable &table)
{
    return {table.bidOneButton->isEnabled(), table.bidFiveButton->isEnabled(),
            table.atAllCostsButton->isEnabled(), table.noMoreButton->isEnabled()};
}

bool lit(const Picture *face)
{
    return face->highlightColour().isValid() && face->cursor().shape() == Qt::PointingHandCursor;
}

// Deals the player a twelve in every round, so each round ends at once.
void scriptTwelveDeals(ScriptedRandom &deal)
{
    const Hand twelve = twelveFrom(Two);
    for (int round = 1; round <= RoundCount; ++round) {
        int next = 0;
        for (int card = 0; card < CardCount; ++card)
            deal.push(twelve[card] || card == cardOf(Hearts, Ace) ? 0 : 1 + next++ % 3);
    }
}

}

TEST_F(TwelveWindowTest, BidButtonsAreEnabledExactlyWhenTheyWouldBeTaken)
{
    const std::array<bool, 4> none{false, false, false, false};
    open();
    EXPECT_EQ(enabledButtons(table()), none) << "putting";
    ASSERT_TRUE(playUntil([&] { return state() == TurnState::Choosing; }));
    EXPECT_EQ(enabledButtons(table()), none) << "choosing";

    ASSERT_TRUE(playUntil([&] {
        return state() == TurnState::Bidding && game().InAuction[HumanSeat]
            && game().Leader != HumanSeat;
    }));
    int &points = window->state().Scores[game().RoundNo][HumanSeat];
    points = game().Bid + 4;
    window->moveTick();
    EXPECT_EQ(enabledButtons(table()), (std::array<bool, 4>{true, false, true, true}))
        << "+5 is more than he has";
    // A press on a disabled button, as the window system delivers it, does nothing.
    const int bid = game().Bid;
    doubleClickWidget(table().bidFiveButton);
    EXPECT_EQ(game().Bid, bid);

    press(table().bidOneButton);
    EXPECT_EQ(enabledButtons(table()), (std::array<bool, 4>{false, false, false, true}))
        << "he leads; he may still drop out";
    press(table().noMoreButton);
    EXPECT_FALSE(table().noMoreButton->isEnabled()) << "once is enough";
    tickWhile([&] { return state() == TurnState::Bidding && window->moveTimer->isActive(); });
    if (state() != TurnState::Bidding) {
        EXPECT_EQ(enabledButtons(table()), none) << "sold";
    }

    ASSERT_TRUE(playUntil([&] { return state() == TurnState::RoundOver; }, 100000));
    EXPECT_EQ(enabledButtons(table()), none) << "round over";
}

TEST_F(TwelveWindowTest, TheCardUnderTheMouseIsLitWhenAPressWouldTakeIt)
{
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    // The pointer comes into the window, then moves from part to part.
    QWindow *handle = window->windowHandle();
    const QPoint corner = table().mapTo(window.get(), QPoint(1, 1));
    QWindowSystemInterface::handleEnterEvent<QWindowSystemInterface::SynchronousDelivery>(
        handle, corner, window->mapToGlobal(corner));
    const auto hover = [&](QWidget *widget) {
        QTest::mouseMove(handle, widget->mapTo(window.get(), QPoint(5, 5)));
    };
    const int card = heldCard(HumanSeat);
    hover(table().faces[card]);
    EXPECT_TRUE(lit(table().faces[card])) << "a card to put";
    hover(table().bidButtonBackdrop);
    EXPECT_FALSE(table().faces[card]->highlightColour().isValid()) << "the mouse left it";

    ASSERT_TRUE(playUntil([&] { return state() == TurnState::Choosing; }));
    const int inHand = heldCard(HumanSeat);
    hover(table().faces[inHand]);
    EXPECT_FALSE(lit(table().faces[inHand])) << "nothing to put while choosing";
    const int middle = game().TurnSlot[mostWantedSlot()].Card;
    hover(table().faces[middle]);
    EXPECT_TRUE(lit(table().faces[middle]));
    pressFace(middle);
    EXPECT_FALSE(lit(table().faces[middle])) << "chosen: a second press would do nothing";
}

TEST_F(TwelveWindowTest, EnterConfirmsTheRoundThenStartsANewGame)
{
    ScriptedRandom deals;
    scriptTwelveDeals(deals);
    const ProgramRandomScope scripted(deals);
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(state(), TurnState::RoundOver);
    for (int round = 1; round < RoundCount; ++round) {
        answerModalsInTurn({QStringLiteral("OK")});
        QTest::keyClick(window->windowHandle(), Qt::Key_Return);
        ASSERT_EQ(game().RoundNo, round + 1) << "Enter on the End of Round panel";
    }
    answerModalsInTurn({QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK")});
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    ASSERT_TRUE(game().GameOver);
    ASSERT_TRUE(table().gameOverPanel->isVisible());
    QTest::keyClick(window->windowHandle(), Qt::Key_Return);
    EXPECT_FALSE(game().GameOver) << "Enter on the Game Over panel starts a new game";
    EXPECT_EQ(game().RoundNo, 1);
}

// Names as wide as fifteen letters can be: each fits its place, no panel covers it, and the
// whole name shows in its tool tip.
TEST_F(TwelveWindowTest, LongNamesFitTheirPlaces)
{
    writeDataFile("Twelve.ini",
                  "[Nevek]\r\nNev1=WWWWWWWWWWWWWWW\r\nNev2=MMMMMMMMMMMMMMM\r\n"
                  "Nev3=WWWWWWWWWWWWWWM\r\nNev4=MMMMMMMMMMMMMMW\r\n");
    open();
    // Whatever the font: a name that fits shows whole, a longer one is cut with an ellipsis and
    // shows whole in its tool tip.
    for (int seat = 1; seat <= SeatCount; ++seat) {
        SCOPED_TRACE(seat);
        const QLabel *name = table().nameLabels[seat];
        const QString full = QString::fromStdString(game().PlayerNames[seat]);
        EXPECT_LE(name->fontMetrics().horizontalAdvance(name->text()), name->width());
        if (name->fontMetrics().horizontalAdvance(full) <= name->width()) {
            EXPECT_EQ(name->text(), full);
            EXPECT_TRUE(name->toolTip().isEmpty());
        } else {
            EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
            EXPECT_EQ(name->toolTip(), full);
        }
        EXPECT_FALSE(name->geometry().intersects(table().bidButtonBackdrop->geometry()));
        EXPECT_TRUE(table().rect().contains(name->geometry()));
    }
    EXPECT_LT(table().nameLabels[4]->geometry().right(), 132) << "on the left wall";
    // Thirteen cards of one suit reach furthest right.
    const QRect widestHand(255, H - 210, 12 * Overlap + CardWidth, 3 * SuitStep + CardHeight);
    EXPECT_FALSE(table().nameLabels[1]->geometry().intersects(widestHand)) << "no card covers it";
}

#include "StatisticsFile.h"
#include "TwelveStatistics.h"
#include "TwelveWindowFixture.h"

#include "BestScores.h"
#include "CardLibrary.h"
#include "DeckChooser.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "TwelveTableLayout.h"

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <qpa/qwindowsysteminterface.h>

using namespace TwelveTableLayout;

namespace {

int visibleCount(const std::array<Picture *, CardCount> &pictures)
{
    return static_cast<int>(
        std::count_if(pictures.begin(), pictures.end(), [](Picture *p) { return p->isVisible(); }));
}

}

TEST_F(TwelveWindowTest, FirstStartWithoutSettingsFile)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Twelve - Difficulty: 1, Scoring: Simple");
    EXPECT_EQ(bestScoreList().filePath(), dataPath("Twelve1S.ere"));
    const char *names[] = {"", "Player", "John", "Paul", "Eric"};
    for (int seat = 1; seat <= SeatCount; ++seat)
        EXPECT_EQ(table().nameLabels[seat]->text(), names[seat]);
    EXPECT_EQ(table().size(), QSize(784, 526));
    EXPECT_TRUE(window->stretchAction->isChecked());
    EXPECT_TRUE(window->soundAction->isChecked());
    EXPECT_EQ(state(), TurnState::Travelling);
    EXPECT_EQ(table().statusLine->currentMessage(), "Choose a card to put");
    EXPECT_TRUE(window->moveTimer->isActive());
    for (const PlacedCard &card : handLayout(HumanSeat, game().Holding[HumanSeat], true))
        EXPECT_EQ(table().faces[card.card]->geometry(), QRect(card.place, UprightCard));
}

TEST_F(TwelveWindowTest, StoredValuesThatWouldStallOrNameNothingFallBack)
{
    writeDataFile("Twelve.ini",
                  "[Beallitas]\r\nAktHatlapSSz=9\r\nMozgSeb=0\r\nFordSeb=500\r\n"
                  "LicitInt=2000000000\r\nOkos=7.5\r\nPontozMod=3\r\nGyors=0\r\n"
                  "[Nevek]\r\nNev2=Anne\r\n");
    open();
    EXPECT_EQ(window->backIndex(), 0);
    EXPECT_EQ(window->pace().MoveStep, 100);
    EXPECT_EQ(window->pace().TurnStep, 81);
    EXPECT_EQ(window->pace().BidDelay, 842);
    EXPECT_EQ(window->windowTitle(), "Twelve - Difficulty: 1, Scoring: Simple");
    EXPECT_EQ(table().nameLabels[2]->text(), "Anne");
    window->state().GameOver = true;
    window->close();
    const QByteArray saved = readDataFile("Twelve.ini");
    for (const char *line : {"Gyors=0", "MozgSeb=100", "FordSeb=81", "Nev2=Anne", "Nev4=Eric"})
        EXPECT_TRUE(saved.contains(line)) << line;
}

TEST_F(TwelveWindowTest, OnePutPerTurnWhileTheComputersCardsTravel)
{
    open();
    ASSERT_EQ(state(), TurnState::Travelling);
    const int first = heldCard(HumanSeat);
    const int second = heldCard(HumanSeat, 1);
    pressFace(first);
    EXPECT_EQ(game().TurnSlot[HumanSeat].Card, first);
    EXPECT_FALSE(table().faces[first]->isVisible());
    EXPECT_TRUE(table().backs[1]->isVisible()) << "a back travels for the player's card";
    EXPECT_TRUE(table().statusLine->currentMessage().isEmpty());
    pressFace(second);
    EXPECT_TRUE(game().Holding[HumanSeat][second]) << "a second put in one turn is ignored";
    EXPECT_TRUE(table().faces[second]->isVisible());
    tickUntilWaiting();
    EXPECT_EQ(state(), TurnState::Choosing);
    for (int slot = 1; slot <= SlotCount; ++slot)
        EXPECT_EQ(table().faces[game().TurnSlot[slot].Card]->geometry(),
                  QRect(middleCard(slot), UprightCard));
}

TEST_F(TwelveWindowTest, TheComputersWaitForTheLatePlayer)
{
    writeDataFile("Twelve.ini", "[Beallitas]\r\nMozgSeb=144\r\n");
    open();
    window->moveTick();
    EXPECT_EQ(table().backs[3]->pos(), middleCard(3)) << "115 pixels in a 144-pixel step";
    tickUntilWaiting();
    EXPECT_EQ(state(), TurnState::WaitingForPut);
    EXPECT_FALSE(window->moveTimer->isActive());
    for (int slot = 2; slot <= SlotCount; ++slot)
        EXPECT_EQ(table().backs[slot]->pos(), middleCard(slot));
    pressFace(heldCard(HumanSeat));
    EXPECT_TRUE(window->moveTimer->isActive());
}

TEST_F(TwelveWindowTest, AFastTurnVanishesInOneTickAndShowsTheFacesInTheNext)
{
    writeDataFile("Twelve.ini", "[Beallitas]\r\nFordSeb=81\r\n");
    open();
    pressFace(heldCard(HumanSeat));
    while (state() == TurnState::Travelling)
        window->moveTick();
    ASSERT_EQ(state(), TurnState::TurningBacks);
    window->moveTick();
    EXPECT_EQ(state(), TurnState::TurningFaces);
    for (int slot = 1; slot <= SlotCount; ++slot)
        EXPECT_FALSE(table().backs[slot]->isVisible());
    window->moveTick();
    EXPECT_EQ(state(), TurnState::TurningFaces);
    for (int slot = 1; slot <= SlotCount; ++slot)
        EXPECT_EQ(table().faces[game().TurnSlot[slot].Card]->width(), CardWidth);
    window->moveTick();
    EXPECT_EQ(state(), TurnState::Choosing);
    EXPECT_FALSE(window->moveTimer->isActive());
}

TEST_F(TwelveWindowTest, AnUncontestedCardIsTakenFree)
{
    open();
    // A card nobody else wants may still be contested later by a computer that lost its own
    // auction: try turns until one goes through uncontested.
    for (int attempt = 0; attempt < 50; ++attempt) {
        int chosen = 0;
        ASSERT_TRUE(playUntil([&] {
            chosen = 0;
            for (int slot = 1; slot <= SlotCount && state() == TurnState::Choosing; ++slot)
                if (game().TurnSlot[slot].FaceUp && game().TurnSlot[slot].Markers == 0)
                    chosen = slot;
            return chosen != 0;
        }));
        const int card = game().TurnSlot[chosen].Card;
        const int points = game().Scores[game().RoundNo][HumanSeat];
        pressFace(card);
        EXPECT_TRUE(table().markers[HumanSeat]->isVisible());
        EXPECT_EQ(table().markers[HumanSeat]->geometry(), marker(HumanSeat, middleCard(chosen)));
        tickWhile(
            [&] { return game().TurnSlot[chosen].FaceUp && !waitingForHumanBid(game(), state()); });
        if (game().TurnSlot[chosen].FaceUp)
            continue;
        EXPECT_TRUE(game().Holding[HumanSeat][card]);
        EXPECT_EQ(game().Scores[game().RoundNo][HumanSeat], points);
        return;
    }
    FAIL() << "every card the player chose was contested";
}

TEST_F(TwelveWindowTest, TheButtonsWinAndLoseAContestedCard)
{
    open();
    for (const bool win : {true, false}) {
        SCOPED_TRACE(win ? "won" : "lost");
        ASSERT_TRUE(playUntil([&] { return waitingForHumanBid(game(), state()); }));
        const Contest contest = currentContest();
        EXPECT_TRUE(table().saleFrame->isVisible());
        EXPECT_EQ(table().saleFrame->geometry(), auctionFrame(middleCard(contest.slot)));
        EXPECT_TRUE(table().bidPanels[HumanSeat]->isVisible());
        EXPECT_EQ(table().statusLine->currentMessage(), "Bid or click \"No more\"");
        const int soundsBefore = sounds.played;
        if (win) {
            outbid([&] { press(table().bidFiveButton); },
                   [&] {
                       EXPECT_EQ(table().bidLabels[HumanSeat]->text(), QString::number(game().Bid));
                   });
            EXPECT_GT(sounds.played, soundsBefore);
        } else {
            press(table().noMoreButton);
        }
        expectContestSettled(contest, win);
    }
}

TEST_F(TwelveWindowTest, AtAllCostsAnswersEveryRaiseThenPausesASecond)
{
    open();
    for (const bool rich : {true, false}) {
        SCOPED_TRACE(rich ? "with the money" : "without");
        ASSERT_TRUE(playUntil([&] { return waitingForHumanBid(game(), state()); }));
        int &points = window->state().Scores[game().RoundNo][HumanSeat];
        if (!rich)
            points = game().Bid + 1;
        const int slot = game().AuctionSlot;
        const int card = game().TurnSlot[slot].Card;
        press(table().atAllCostsButton);
        EXPECT_EQ(game().Leader, HumanSeat);
        tickWhile([&] { return state() == TurnState::Bidding && window->moveTimer->isActive(); });
        if (state() == TurnState::Bidding) {
            EXPECT_FALSE(rich) << "with money every raise is answered";
            EXPECT_NE(game().Leader, HumanSeat);
            press(table().noMoreButton);
        }
        ASSERT_EQ(state(), TurnState::AtAllCostsPause);
        EXPECT_EQ(window->moveTimer->interval(), 1000);
        const int buyer = game().Leader;
        window->moveTick();
        EXPECT_EQ(state(), TurnState::TurningSoldFace);
        EXPECT_GE(points, 0);
        tickWhile([&] { return game().TurnSlot[slot].FaceUp; });
        EXPECT_TRUE(game().Holding[buyer][card]);
        if (rich) {
            EXPECT_EQ(buyer, HumanSeat);
        }
    }
}

TEST_F(TwelveWindowTest, ARoundEndsWithFramedRunsPlacesAndThePointsBeforeThePrizes)
{
    open();
    ASSERT_TRUE(playUntil([&] { return state() == TurnState::RoundOver; }));
    EXPECT_FALSE(window->moveTimer->isActive());
    EXPECT_TRUE(table().roundEndPanel->isVisible());
    EXPECT_EQ(table().roundEndPanel->geometry(), QRect(228, 201, 329, 105));
    EXPECT_EQ(visibleCount(table().faces), CardCount);
    EXPECT_EQ(visibleCount(table().backs), 0);
    int framed = 0;
    for (int card = 0; card < CardCount; ++card)
        framed += table().runFrames[card]->isVisible();
    int expectedFrames = 0;
    for (int seat = 1; seat <= SeatCount; ++seat) {
        const HandRunRecord &run = game().HandRun[seat];
        expectedFrames += run.Value;
        EXPECT_EQ(table().bidLabels[seat]->text(), QString::number(run.Place));
        EXPECT_EQ(table().bidPanels[seat]->geometry(), placePanel(seat));
        EXPECT_EQ(table().scoreLabels[seat]->text(),
                  QString::number(game().Scores[1][seat] - run.Prize));
    }
    EXPECT_EQ(framed, expectedFrames) << "a frame on every card of each best run";
    window->stretchAction->trigger();
    EXPECT_EQ(visibleCount(table().runFrames), framed) << "the result stays as it was shown";

    const PerSeat<int> afterPrizes = game().Scores[1];
    confirmRound();
    EXPECT_EQ(game().RoundNo, 2);
    EXPECT_FALSE(table().roundEndPanel->isVisible());
    for (int seat = 1; seat <= SeatCount; ++seat) {
        EXPECT_FALSE(table().bidPanels[seat]->isVisible());
        EXPECT_EQ(table().scoreLabels[seat]->text(), QString::number(afterPrizes[seat]));
    }
}

TEST_F(TwelveWindowTest, TheEleventhRoundEndsOnTheGameOverPanelAndTheBestScores)
{
    open();
    ASSERT_FALSE(playUntil([] { return false; }, 100000));
    ASSERT_EQ(game().RoundNo, RoundCount);
    ASSERT_EQ(state(), TurnState::RoundOver);

    answerNextModal(QStringLiteral("No"));
    window->close();
    EXPECT_TRUE(window->isVisible()) << "quitting a game asks first";

    answerModalsInTurn({QStringLiteral("OK"), QStringLiteral("OK"), QStringLiteral("OK")});
    table().roundEndOkButton->click();
    EXPECT_TRUE(game().GameOver);
    EXPECT_TRUE(table().gameOverPanel->isVisible());
    EXPECT_EQ(table().scoreLabels[HumanSeat]->text(),
              QString::number(game().Scores[RoundCount][HumanSeat]));
    EXPECT_EQ(game().FinalScore, game().Scores[RoundCount][HumanSeat]);
    EXPECT_TRUE(QFile::exists(dataPath("Twelve1S.ere")));
    EXPECT_FALSE(window->moveTimer->isActive());

    window->stretchAction->trigger();
    EXPECT_EQ(visibleCount(table().faces), CardCount) << "the last hands stay shown";

    // The statistics hold the game and each of its rounds.
    const TwelveStatistics::Rules levelOne{1, SimpleScoring};
    const TwelveTally counted
        = TwelveStatistics::read(StatisticsFile(dataPath("Statistics.ini")), levelOne);
    EXPECT_EQ(counted.played, 1);
    EXPECT_EQ(counted.finished, 1);
    EXPECT_EQ(counted.scoreTotal, game().FinalScore);
    EXPECT_EQ(counted.places[TwelveStatistics::placeOf(game().Scores[RoundCount]) - 1], 1);
    EXPECT_LE(counted.roundsWon, RoundCount);
    EXPECT_EQ(TwelveStatistics::lastGame(StatisticsFile(dataPath("Statistics.ini"))).points.size(),
              std::size_t(RoundCount + 1));

    window->newGameAction->trigger();
    EXPECT_FALSE(game().GameOver) << "a new game starts without a question";
    EXPECT_EQ(game().RoundNo, 1);
    EXPECT_EQ(TwelveStatistics::read(StatisticsFile(dataPath("Statistics.ini")), levelOne).played,
              1)
        << "a finished game is not counted again as left";
    window->state().GameOver = true;
    window->close();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(TwelveWindowTest, ANewDeckRedrawsEveryBackAtOnceMidTurn)
{
    open();
    window->moveTick();
    // The clock would go on under the chooser; held, the turn is still where the test left it.
    window->moveTimer->stop();
    onNextModal([](QWidget *) {
        deckChooser->backClicked(deckChooser->backPictures[3]);
        deckChooser->okClicked();
    });
    window->deckAction->trigger();
    ASSERT_EQ(window->backIndex(), 3);
    const CardPictureList *lists[]
        = {nullptr, &cardLibrary->backsUpright, &cardLibrary->backsCounterClockwise,
           &cardLibrary->backsUpsideDown, &cardLibrary->backsClockwise};
    for (int index = 0; index < CardCount; ++index)
        EXPECT_EQ(table().backs[index]->pixmap().cacheKey(),
                  (*lists[index / HandSize + 1])[3].cacheKey())
            << "back " << index;
    EXPECT_EQ(state(), TurnState::Travelling) << "the turn goes on";
}

// The bid sound holds the game: a click or key that comes while it plays waits until it ended.
TEST_F(TwelveWindowTest, InputDuringABidSoundWaitsForItsEnd)
{
    open();
    ASSERT_TRUE(playUntil([&] { return waitingForHumanBid(game(), state()); }));
    QWindow *handle = window->windowHandle();
    const QPoint noMore = table().noMoreButton->mapTo(window.get(), QPoint(5, 5));
    bool heldBack = false;
    bool injected = false;
    sounds.whilePlaying = [&] {
        if (std::exchange(injected, true))
            return;
        const TwelveGame before = game();
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            handle, noMore, window->mapToGlobal(noMore), Qt::LeftButton, Qt::LeftButton,
            QEvent::MouseButtonPress);
        QWindowSystemInterface::handleKeyEvent<QWindowSystemInterface::AsynchronousDelivery>(
            handle, QEvent::KeyPress, Qt::Key_F2, Qt::NoModifier);
        QEventLoop sound;
        QTimer::singleShot(50, &sound, &QEventLoop::quit);
        sound.exec(QEventLoop::ExcludeUserInputEvents);
        heldBack = !QApplication::activeModalWidget() && !game().HumanNoMore
            && game().Bid == before.Bid && game().Leader == before.Leader;
    };
    press(table().bidOneButton);
    EXPECT_TRUE(heldBack);
    EXPECT_EQ(game().Leader, HumanSeat);

    bool asked = false;
    onNextModal([&](QWidget *modal) {
        asked = modal == questionDialog;
        questionDialog->noButton->click();
    });
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_TRUE(asked) << "F2 came through after the sound";
    EXPECT_EQ(game().RoundNo, 1);
}

TEST_F(TwelveWindowTest, NoTimerRunsWhileThePlayerIsAwaited)
{
    open();
    for (const TurnState awaited : {TurnState::WaitingForPut, TurnState::Choosing,
                                    TurnState::Bidding, TurnState::RoundOver}) {
        ASSERT_TRUE(playUntil([&] { return state() == awaited; }, 100000));
        EXPECT_FALSE(window->moveTimer->isActive());
    }
}

// At level 8 the computers think on a thread of their own: the window waits for nothing, and
// their decision, when it comes, sends their cards on their way.
TEST_F(TwelveWindowTest, Level8ComputersThinkWhileTheWindowGoesOn)
{
    writeDataFile("Twelve.ini", "[Beallitas]\r\nOkos=4.5\r\n");
    open();
    EXPECT_EQ(window->windowTitle(), "Twelve - Difficulty: 8, Scoring: Simple");
    ASSERT_EQ(state(), TurnState::Thinking);
    EXPECT_FALSE(window->moveTimer->isActive());
    EXPECT_FALSE(window->turnFlow().mayPut(heldCard(HumanSeat)));
    ASSERT_TRUE(QTest::qWaitFor([this] { return state() != TurnState::Thinking; }, 30000));
    EXPECT_EQ(state(), TurnState::Travelling);
    EXPECT_TRUE(window->moveTimer->isActive());
    EXPECT_EQ(table().statusLine->currentMessage(), "Choose a card to put");
    for (int seat = 2; seat <= SeatCount; ++seat)
        EXPECT_EQ(heldCount(game().Holding[seat]), HandSize - 1) << seat;
}

// Closed while its computers think, the window drops their decision: nothing changes after.
TEST_F(TwelveWindowTest, AWindowClosedWhileItsComputersThinkDropsTheirDecision)
{
    writeDataFile("Twelve.ini", "[Beallitas]\r\nOkos=4.5\r\n");
    open();
    ASSERT_EQ(state(), TurnState::Thinking);
    window->state().GameOver = true;
    window->close();
    ASSERT_FALSE(window->isVisible());
    const TwelveGame before = game();
    QTest::qWait(1500);
    EXPECT_EQ(state(), TurnState::Thinking);
    EXPECT_EQ(game().Holding, before.Holding);
}

#include "BestScoreNameDialog.h"
#include "BestScoresWindow.h"
#include "CardLibrary.h"
#include "FocusFrame.h"
#include "HintFrame.h"
#include "Keys.h"
#include "Picture.h"
#include "PokerOdds.h"
#include "PokerSave.h"
#include "PokerSharedWindows.h"
#include "PokerSpeedDialog.h"
#include "PokerWindow.h"
#include "QuestionDialog.h"
#include "ScriptedRandom.h"
#include "Sound.h"
#include "TempDataDir.h"

#include <QFrame>
#include <QLabel>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <gtest/gtest.h>

namespace {

// 2, 3, 4, 5 of Clubs and 7 of Diamonds: nothing. Jack to Ace of Spades come in for the Clubs.
constexpr std::initializer_list<int> RuntDeal{0, 1, 2, 3, 18};
constexpr std::initializer_list<int> SpadesDrawn{35, 36, 37, 38};

class NoSound : public Sound::Backend
{
public:
    void play(const QString &, Sound::Mode) override { }
};

class PokerKeysTest : public TempDataDir
{
protected:
    static void SetUpTestSuite() { shared = new PokerSharedWindows; }
    static void TearDownTestSuite() { delete shared; }

    PokerKeysTest() { Sound::setBackend(&silence); }
    ~PokerKeysTest() override { Sound::setBackend(nullptr); }

    // Opens the window on these cards, active as the keyboard needs it. Key presses let the
    // event loop run, so the move timer is set never to fire: the test ticks it itself, and the
    // first tick has not come yet.
    void open(std::initializer_list<int> deal)
    {
        for (int card : deal)
            random.push(card);
        window = std::make_unique<PokerWindow>();
        window->show();
        window->slideTimer->setInterval(std::chrono::hours(1));
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    void finishSlide()
    {
        for (int ticks = 0; window->slideTimer->isActive() && ticks < 1000; ++ticks)
            window->MoveTick();
    }

    std::vector<bool> marks() const
    {
        std::vector<bool> marked;
        for (int position = 0; position < CardsInHand; ++position)
            marked.push_back(window->game().isMarked(position));
        return marked;
    }

    void press(Qt::Key key) { pressKey(window.get(), key); }
    QWidget *framed() const
    {
        const auto *frame = window->findChild<FocusFrame *>();
        return frame->isVisible() ? frame->picture() : nullptr;
    }

    static inline PokerSharedWindows *shared = nullptr;
    NoSound silence;
    ScriptedRandom random;
    ProgramRandomScope randomScope{random};
    std::unique_ptr<PokerWindow> window;
};

}

TEST_F(PokerKeysTest, AHandDealtMarkedDrawnAndPaidByKeysOnly)
{
    open(RuntDeal);
    window->MoveTick();
    for (int card : SpadesDrawn)
        random.push(card);

    press(Qt::Key_1);
    press(Qt::Key_2);
    press(Qt::Key_2);
    EXPECT_EQ(marks(), (std::vector<bool>{true, false, false, false, false}));
    EXPECT_TRUE(window->DiscardMarks[0]->isVisible());
    EXPECT_EQ(window->HoldLabels[0]->text(), "Discard");
    EXPECT_EQ(window->cardPictures[0]->accessibleDescription(), "card 1, to discard");
    press(Qt::Key_I);
    EXPECT_EQ(marks(), (std::vector<bool>{false, true, true, true, true}));

    press(Qt::Key_Right);
    EXPECT_EQ(framed(), window->cardPictures[0]);
    EXPECT_EQ(window->cardPictures[0]->accessibleName(), "Two of clubs");
    press(Qt::Key_Left);
    EXPECT_EQ(framed(), window->cardPictures[18]) << "round to the fifth card";
    press(Qt::Key_Space);
    EXPECT_EQ(marks(), (std::vector<bool>{false, true, true, true, false}));

    press(Qt::Key_Return);
    EXPECT_EQ(window->game().phase(), PokerPhase::Drawing);
    finishSlide();
    EXPECT_EQ(window->game().hand(), (PokerCards{0, 35, 36, 37, 18}));
    EXPECT_TRUE(window->resultPanel->isVisible());
    EXPECT_EQ(window->resultPanel->text(), "Runt");
    EXPECT_EQ(window->scoreLabel->text(), "$495");

    for (int card : RuntDeal)
        random.push(card);
    press(Qt::Key_Return);
    finishSlide();
    EXPECT_EQ(window->game().phase(), PokerPhase::WaitingForDraw);
    EXPECT_EQ(window->game().score().HandsPlayed(), 1);
    EXPECT_EQ(window->scoreLabel->text(), "$490");
}

// The keys are refused in the moments the buttons are: before the first tick and while cards
// slide; with the result shown the cards cannot be marked.
TEST_F(PokerKeysTest, KeysAreRefusedWhereClicksAre)
{
    open(RuntDeal);
    press(Qt::Key_I);
    press(Qt::Key_Return);
    EXPECT_EQ(window->game().phase(), PokerPhase::WaitingForDraw);
    EXPECT_EQ(marks(), std::vector<bool>(5, false));

    window->MoveTick();
    press(Qt::Key_3);
    press(Qt::Key_Return);
    window->MoveTick();
    press(Qt::Key_4);
    press(Qt::Key_I);
    press(Qt::Key_Return);
    EXPECT_EQ(window->game().phase(), PokerPhase::Drawing);
    finishSlide();
    EXPECT_EQ(window->game().phase(), PokerPhase::ResultShown);
    press(Qt::Key_5);
    EXPECT_EQ(marks(), std::vector<bool>(5, false));
}

// After the last hand Return goes on to the game-over panel's "New game" button.
TEST_F(PokerKeysTest, ReturnAfterTheLastHandPressesNewGame)
{
    QByteArray lastHand(PokerSave::FileSize, '\0');
    qToLittleEndian<qint32>(PokerGame::HandsPerGame - 1, lastHand.data());
    writeDataFile("last.kp1", lastHand);
    open(RuntDeal);
    window->MoveTick();
    for (int card : RuntDeal)
        random.push(card);
    window->chooseGameFile = [this](QFileDialog::AcceptMode) { return dataPath("last.kp1"); };
    window->LoadGame();

    press(Qt::Key_Return);
    press(Qt::Key_Return);
    finishSlide();
    ASSERT_TRUE(window->game().isOver());
    ASSERT_TRUE(window->gameOverPanel->isVisible());
    press(Qt::Key_1);
    press(Qt::Key_I);
    EXPECT_TRUE(window->game().isOver()) << "nothing to mark or invert";

    for (int card : RuntDeal)
        random.push(card);
    press(Qt::Key_Return);
    EXPECT_FALSE(window->game().isOver());
    EXPECT_FALSE(window->gameOverPanel->isVisible());
    EXPECT_EQ(window->scoreLabel->text(), "$495");
}

// H frames the cards of the best hold once the coach has valued the hand and gives both values
// on the coach's line; the frames go when the player changes a card, the values follow his marks.
TEST_F(PokerKeysTest, HFramesTheBestHoldUntilACardChanges)
{
    // The Two of clubs, the Two of diamonds and three more clubs: the pair is worth a little
    // more than the four clubs.
    const PokerCards dealt{0, 13, 4, 8, 11};
    open({0, 13, 4, 8, 11});
    window->MoveTick();
    press(Qt::Key_H);
    ASSERT_TRUE(QTest::qWaitFor([this] { return window->hintFrames[0]->picture(); }, 20000));
    EXPECT_EQ(window->hintFrames[1]->picture(), window->cardPictures[13]);
    for (int position = 2; position < CardsInHand; ++position)
        EXPECT_EQ(window->hintFrames[position]->picture(), nullptr) << position;
    const QString line = window->coachPanel->text();
    EXPECT_TRUE(line.contains("Best: keep Two of clubs and Two of diamonds, $8.00"))
        << line.toStdString();
    EXPECT_TRUE(line.contains("Your marks: $5.00")) << line.toStdString();

    press(Qt::Key_3);
    for (const HintFrame *frame : window->hintFrames)
        EXPECT_EQ(frame->picture(), nullptr);
    const double withoutTheSix = (*PokerOdds::fullDeck().holdValues(dealt))[0b11011];
    EXPECT_TRUE(window->coachPanel->text().contains(
        QStringLiteral("Your marks: $%1").arg(withoutTheSix, 0, 'f', 2)))
        << window->coachPanel->text().toStdString();
}

#include "PokerWindow.h"
#include "BestScoreNameDialog.h"
#include "BestScoresWindow.h"
#include "CardLibrary.h"
#include "Click.h"
#include "FileFaults.h"
#include "HintFrame.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "PokerSave.h"
#include "PokerSharedWindows.h"
#include "PokerSpeedDialog.h"
#include "PokerStatistics.h"
#include "PressButton.h"
#include "QuestionDialog.h"
#include "ScriptedRandom.h"
#include "Sound.h"
#include "StatisticsFile.h"
#include "StatsTable.h"
#include "TempDataDir.h"

#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QtEndian>
#include <functional>
#include <gtest/gtest.h>

#include "PokerWindowFixture.h"

namespace {

QByteArray savedGame(std::initializer_list<qint32> counts, qint32 money)
{
    QByteArray bytes(PokerSave::FileSize, '\0');
    int field = 0;
    for (qint32 value : counts)
        qToLittleEndian(value, bytes.data() + 4 * field++);
    qToLittleEndian(money, bytes.data() + 4 * HandRankCount);
    return bytes;
}

qint32 savedMoney(const QByteArray &bytes)
{
    return qFromLittleEndian<qint32>(bytes.constData() + 40);
}

TEST_F(PokerWindowTest, ANewGameDealsFiveCardsInARowAndTakesTheFirstStake)
{
    open(RuntDeal);

    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kovra - Poker - Untitled"));
    EXPECT_EQ(money(), QStringLiteral("$495"));
    EXPECT_EQ(window->table->size(), QSize(578, 377));
    const PokerCards dealt{0, 1, 2, 3, 18};
    for (int position = 0; position < CardsInHand; ++position) {
        const Picture *card = window->cardPictures[dealt[position]];
        EXPECT_TRUE(card->isVisible());
        EXPECT_EQ(card->geometry(), QRect(20 + 91 * position, 251, 71, 96));
        EXPECT_EQ(window->HoldLabels[position]->text(), QStringLiteral("Hold"));
    }
    EXPECT_EQ(window->statsTable->text(10, 3), QStringLiteral("0"));
    EXPECT_EQ(window->statsTable->text(9, 2), QStringLiteral("200"));
    EXPECT_FALSE(window->resultPanel->isVisible());
}

TEST_F(PokerWindowTest, OkWithMarkedCardsSlidesThemOutReplacesAndPays)
{
    open(RuntDeal);
    for (int card : {35, 36, 37, 38}) // Jack to Ace of Spades come in for four Clubs
        random.push(card);
    pressCard(0);
    pressCard(1);
    EXPECT_TRUE(window->DiscardMarks[0]->isVisible());
    EXPECT_EQ(window->HoldLabels[0]->text(), QStringLiteral("Discard"));
    pressCard(1); // lands on the mark and takes it off
    EXPECT_FALSE(window->DiscardMarks[1]->isVisible());
    EXPECT_EQ(window->HoldLabels[1]->text(), QStringLiteral("Hold"));
    clickWidget(window->invertButton); // now 1..4 are marked
    EXPECT_FALSE(window->DiscardMarks[0]->isVisible());

    clickWidget(window->okButton);
    ASSERT_EQ(sounds.played.size(), 1u);
    EXPECT_EQ(sounds.played[0],
              std::make_pair(dataPath(QStringLiteral("Kartya Le.wav")), Sound::NoWait));
    EXPECT_EQ(window->game().phase(), PokerPhase::Drawing);
    // With 20 pixels a tick, a card at 251 needs seven ticks to pass the bottom edge at 377.
    EXPECT_EQ(finishSlide(), 7);

    EXPECT_EQ(window->game().hand(), (PokerCards{0, 35, 36, 37, 38}));
    EXPECT_TRUE(window->resultPanel->isVisible());
    EXPECT_EQ(window->resultPanel->text(), QStringLiteral("Runt"));
    EXPECT_EQ(money(), QStringLiteral("$495"));
    EXPECT_EQ(window->statsTable->text(10, 3), QStringLiteral("1"));
    for (const QLabel *label : window->HoldLabels)
        EXPECT_FALSE(label->isVisible());
}

TEST_F(PokerWindowTest, APressWithAnyButtonButTheLeftIsOkAnywhereOnTheTable)
{
    struct Case
    {
        const char *target;
        QPoint point;
        bool handEvaluatedFirst;
        bool markFirst;
    };
    const Case cases[]{
        {"background", EmptyTable, false, false},    {"a card", {126, 300}, false, false},
        {"a discard mark", {126, 300}, false, true}, {"the money", {480, 100}, false, false},
        {"the pay table", {60, 60}, false, false},   {"a hold label", {55, 360}, false, false},
        {"Invert", {500, 270}, false, false},        {"the result panel", {237, 290}, true, false},
    };
    for (const Case &test : cases) {
        SCOPED_TRACE(test.target);
        open(RuntDeal);
        if (test.handEvaluatedFirst)
            window->Proceed();
        if (test.markFirst)
            pressCard(1);
        const PokerPhase before = window->game().phase();

        pressAt(test.point, Qt::LeftButton);
        pressAt(test.point, Qt::LeftButton); // a second left press undoes any mark it made
        EXPECT_EQ(window->game().phase(), before);

        pressAt(test.point, Qt::RightButton);
        EXPECT_NE(window->game().phase(), before);
    }
}

// A quick second press reaches the window as a double-click event. Two Oks evaluate the hand
// and start clearing it away; two left presses on a card mark it and take the mark off again.
TEST_F(PokerWindowTest, EveryPressCountsHoweverQuickly)
{
    // The card is pressed above the result panel, which the first Ok shows over it.
    const struct
    {
        const char *target;
        std::function<QWidget *()> widget;
        QPoint point;
        Qt::MouseButton button;
    } cases[] = {
        {"background", [this] { return window->table; }, EmptyTable, Qt::RightButton},
        {"Ok", [this] { return window->okButton; }, {-1, -1}, Qt::LeftButton},
        {"Invert", [this] { return window->invertButton; }, {-1, -1}, Qt::RightButton},
        {"a card", [this] { return window->cardPictures[1]; }, {35, 10}, Qt::RightButton},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.target);
        open(RuntDeal);
        doubleClickWidget(c.widget(), c.button, c.point);
        EXPECT_EQ(window->game().phase(), PokerPhase::ClearingAway);
    }

    open(RuntDeal);
    doubleClickWidget(window->cardPictures[1]);
    EXPECT_FALSE(window->game().isMarked(1));
    EXPECT_FALSE(window->DiscardMarks[1]->isVisible());
    EXPECT_EQ(window->HoldLabels[1]->text(), QStringLiteral("Hold"));
}

TEST_F(PokerWindowTest, NeitherCardsNorInvertChangeMarksWhileCardsSlide)
{
    open(RuntDeal);
    pressCard(0);
    clickWidget(window->okButton);
    window->MoveTick();

    pressCard(2);
    clickWidget(window->invertButton);
    for (const Picture *mark : window->DiscardMarks)
        EXPECT_FALSE(mark->isVisible());

    finishSlide();
    EXPECT_EQ(window->game().phase(), PokerPhase::ResultShown);
    for (int position = 0; position < CardsInHand; ++position)
        EXPECT_FALSE(window->game().isMarked(position));
}

TEST_F(PokerWindowTest, OkAndInvertWaitForTheFirstTimerTick)
{
    for (int card : RuntDeal)
        random.push(card);
    window = std::make_unique<PokerWindow>();
    window->show();
    clickWidget(window->invertButton);
    clickWidget(window->okButton);
    EXPECT_EQ(window->game().phase(), PokerPhase::WaitingForDraw);
    EXPECT_FALSE(window->DiscardMarks[0]->isVisible());

    window->MoveTick();
    EXPECT_FALSE(window->slideTimer->isActive());
    clickWidget(window->okButton);
    EXPECT_EQ(window->game().phase(), PokerPhase::ResultShown);
}

TEST_F(PokerWindowTest, SoundOffPlaysNothing)
{
    open(RuntDeal);
    window->soundAction->trigger();
    clickWidget(window->okButton);
    EXPECT_TRUE(sounds.played.empty());
    EXPECT_EQ(window->game().phase(), PokerPhase::ResultShown);
}

TEST_F(PokerWindowTest, SavedMoneyComesBackWhenTheGameIsLoaded)
{
    open(RuntDeal);
    saveAs(dataPath(QStringLiteral("waiting.txt")));
    const QByteArray fresh = readDataFile(QStringLiteral("waiting.kp1"));
    EXPECT_EQ(fresh, savedGame({}, 500));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kovra - Poker - waiting.kp1"));

    for (int card : RoyalDeal)
        random.push(card);
    load(dataPath(QStringLiteral("waiting.kp1")));
    EXPECT_EQ(money(), QStringLiteral("$495"));
    window->Proceed(); // pays 200
    EXPECT_FALSE(window->game().isSaved());
    saveAs(dataPath(QStringLiteral("paid")));
    EXPECT_EQ(savedMoney(readDataFile(QStringLiteral("paid.kp1"))), 695);

    load(dataPath(QStringLiteral("paid.kp1")));
    EXPECT_EQ(money(), QStringLiteral("$690"));
    EXPECT_EQ(window->statsTable->text(9, 3), QStringLiteral("1"));
    EXPECT_EQ(window->statsTable->text(10, 4), QStringLiteral("200"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kovra - Poker - paid.kp1"));
}

TEST_F(PokerWindowTest, TheThousandthHandIsPaidAndTheNextOkEndsTheGameWithoutAStake)
{
    writeDataFile(QStringLiteral("last.kp1"), savedGame({999}, 5));
    open(RuntDeal);
    for (int card : RuntDeal)
        random.push(card);
    load(dataPath(QStringLiteral("last.kp1")));
    EXPECT_EQ(money(), QStringLiteral("$0"));
    EXPECT_TRUE(window->saveAction->isEnabled());

    clickWidget(window->okButton);
    EXPECT_TRUE(window->resultPanel->isVisible());
    EXPECT_EQ(window->statsTable->text(10, 3), QStringLiteral("1 000"));
    EXPECT_FALSE(window->saveAction->isEnabled());
    EXPECT_FALSE(window->saveAsAction->isEnabled());

    clickWidget(window->okButton);
    finishSlide();
    // Money 0 offers no best score: no window opens, and the list file is not touched.
    EXPECT_TRUE(window->game().isOver());
    EXPECT_TRUE(window->gameOverPanel->isVisible());
    EXPECT_EQ(window->gameOverPanel->pos(), QPoint(70, 260));
    EXPECT_EQ(money(), QStringLiteral("$0"));
    EXPECT_FALSE(window->okButton->isEnabled());
    EXPECT_FALSE(window->invertButton->isEnabled());
    EXPECT_FALSE(QFile::exists(dataPath(QStringLiteral("Poker.ere"))));

    // The statistics count the hand played here and the game it finished, once.
    const PokerTally counted = PokerStatistics::read(StatisticsFile(dataPath("Statistics.ini")));
    EXPECT_EQ(counted.hands, 1);
    EXPECT_EQ(counted.staked, 5);
    EXPECT_EQ(counted.paidBack, 0);
    EXPECT_EQ(counted.dealt[Runt], 1);
    EXPECT_EQ(counted.made[Runt], 1);
    EXPECT_EQ(counted.games, 1);
    EXPECT_EQ(counted.bestBank, 0);

    window->close(); // a finished game closes without the save question
    EXPECT_FALSE(window->isVisible());
}

TEST_F(PokerWindowTest, LoadingAFinishedGameEndsItAtOnceAndOffersTheMoney)
{
    writeDataFile(QStringLiteral("done.kp1"), savedGame({400, 600}, 1234));
    open(RuntDeal);
    onNextModal([](QWidget *nameEntry) {
        answerNextModal(QStringLiteral("OK")); // the list that follows
        static_cast<BestScoreNameDialog *>(nameEntry)->okButton->click();
    });
    load(dataPath(QStringLiteral("done.kp1")));

    EXPECT_TRUE(window->gameOverPanel->isVisible());
    EXPECT_EQ(money(), QStringLiteral("$1234"));
    for (const Picture *card : window->cardPictures)
        EXPECT_FALSE(card->isVisible());
    EXPECT_TRUE(readDataFile(QStringLiteral("Poker.ere")).contains("Pont=1234"));

    clickWidget(window->newGameButton);
    EXPECT_FALSE(window->gameOverPanel->isVisible());
    EXPECT_EQ(money(), QStringLiteral("$495"));
    EXPECT_TRUE(window->okButton->isEnabled());
}

TEST_F(PokerWindowTest, AShortFileIsReportedAndTheGameGoesOn)
{
    writeDataFile(QStringLiteral("short.kp1"), savedGame({}, 500).left(43));
    open(RuntDeal);
    pressCard(2);
    QString message;
    onNextModal([&](QWidget *) {
        message = questionDialog->messageLabel->text();
        questionDialog->okButton->click();
    });
    load(dataPath(QStringLiteral("short.kp1")));

    // The dialog may break a long path over several lines.
    EXPECT_EQ(message.remove(QLatin1Char('\n')),
              QStringLiteral("Read beyond end of file:") + dataPath(QStringLiteral("short.kp1")));
    EXPECT_EQ(window->game().hand(), (PokerCards{0, 1, 2, 3, 18}));
    EXPECT_TRUE(window->DiscardMarks[2]->isVisible());
    EXPECT_EQ(money(), QStringLiteral("$495"));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kovra - Poker - Untitled"));
}

TEST_F(PokerWindowTest, ADeclinedOverwriteKeepsTheCurrentFile)
{
    open(RuntDeal);
    saveAs(dataPath(QStringLiteral("mine.kp1")));
    const QByteArray theirs = savedGame({7}, 77);
    writeDataFile(QStringLiteral("theirs.kp1"), theirs);

    answerNextModal(QStringLiteral("Cancel"));
    saveAs(dataPath(QStringLiteral("theirs.kp1")));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kovra - Poker - mine.kp1"));

    window->Proceed();
    window->Save();
    EXPECT_EQ(readDataFile(QStringLiteral("theirs.kp1")), theirs);
    EXPECT_EQ(readDataFile(QStringLiteral("mine.kp1")), savedGame({1}, 495));
}

// The disk fills up while the game is saved, and again while the settings are: each time the
// player is told, the old file stays, and the game is still unsaved, so closing asks.
TEST_F(PokerWindowTest, WritesThatRunOutOfSpaceAreReportedAndChangeNothing)
{
    const QByteArray oldSettings = "[Beallitas]\r\nMozgSeb=9\r\nHang=1\r\n";
    writeDataFile(QStringLiteral("Poker.ini"), oldSettings);
    open(RuntDeal);
    const QString path = dataPath(QStringLiteral("game.kp1"));
    saveAs(path);
    const QByteArray saved = readDataFile(QStringLiteral("game.kp1"));
    window->Proceed();
    ASSERT_FALSE(window->game().isSaved());

    QStringList messages;
    const auto noteMessage = [&](QWidget *) {
        messages << questionDialog->messageLabel->text().remove(QLatin1Char('\n'));
        questionDialog->okButton->click();
    };
    onNextModal(noteMessage);
    {
        const FileSizeLimit full(4);
        window->Save();
    }
    EXPECT_EQ(messages, QStringList{QStringLiteral("Unable to write to ") + path});
    EXPECT_EQ(readDataFile(QStringLiteral("game.kp1")), saved);
    EXPECT_FALSE(window->game().isSaved());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kovra - Poker - game.kp1"));

    window->soundAction->trigger();
    onNextModal([&](QWidget *question) {
        messages << questionDialog->messageLabel->text();
        onNextModal(noteMessage);
        for (QPushButton *button : question->findChildren<QPushButton *>()) {
            if (button->isVisible() && button->text() == QStringLiteral("No"))
                button->click();
        }
    });
    {
        const FileSizeLimit full(4);
        window->close();
    }
    EXPECT_EQ(messages.value(1), QStringLiteral("Would you like to save the current game?"));
    EXPECT_EQ(messages.value(2), QStringLiteral("Unable to write to ") + dataPath("Poker.ini"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readDataFile(QStringLiteral("Poker.ini")), oldSettings);
}

TEST_F(PokerWindowTest, ClosingAnUnsavedGameAsksFirst)
{
    open(RuntDeal);
    window->Proceed();

    answerNextModal(QStringLiteral("Cancel"));
    window->close();
    EXPECT_TRUE(window->isVisible());

    answerNextModal(QStringLiteral("No"));
    window->close();
    EXPECT_FALSE(window->isVisible());
    const QByteArray settings = readDataFile(QStringLiteral("Poker.ini"));
    EXPECT_TRUE(settings.contains("MozgSeb=20"));
    EXPECT_TRUE(settings.contains("Hang=1"));
}

TEST_F(PokerWindowTest, YesToTheSaveQuestionSavesBeforeANewGame)
{
    open(RuntDeal);
    window->Proceed();

    chosenFile = dataPath(QStringLiteral("kept.kp1"));
    answerNextModal(QStringLiteral("Yes"));
    window->newGameAction->trigger();
    EXPECT_EQ(readDataFile(QStringLiteral("kept.kp1")), savedGame({1}, 495));
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Kovra - Poker - Untitled"));
    EXPECT_EQ(window->statsTable->text(10, 3), QStringLiteral("0"));
}

}

// With the coach on, a draw that gives money away waits for the player's answer: "Change" keeps
// the hand and the marks, "Draw anyway" draws. A draw with the best hold is not questioned. The
// coach keeps his tally apart: the saved game is the file it always was.
TEST_F(PokerWindowTest, TheCoachAsksBeforeACostlyDrawAndBothAnswersDoWhatTheySay)
{
    // A pair of Twos and three clubs, then a pair of Jacks and three odd cards.
    open({0, 13, 4, 8, 11});
    window->coachAction->trigger();
    EXPECT_TRUE(readDataFile("Poker.ini").contains("Coach=1"));
    const auto waitForValues = [this] {
        window->Hint();
        return QTest::qWaitFor([this] { return window->hintFrames[0]->picture(); }, 20000);
    };
    ASSERT_TRUE(waitForValues());

    QString asked;
    const auto answer = [&asked](QPushButton *QuestionDialog::*button) {
        onNextModal([&asked, button](QWidget *) {
            asked = questionDialog->messageLabel->text();
            (questionDialog->*button)->click();
        });
    };
    pressCard(0); // the pair broken: about three dollars given away
    answer(&QuestionDialog::cancelButton);
    clickWidget(window->okButton);
    EXPECT_EQ(questionDialog->cancelButton->text(), "Change");
    EXPECT_TRUE(asked.contains("keep Two of clubs and Two of diamonds")) << asked.toStdString();
    EXPECT_TRUE(asked.contains("$8.00")) << asked.toStdString();
    EXPECT_EQ(window->game().phase(), PokerPhase::WaitingForDraw);
    EXPECT_TRUE(window->game().isMarked(0));

    asked.clear();
    for (int card : {1, 2, 3}) // the three clubs go, three odd cards come
        random.push(card);
    pressCard(0);
    for (int position : {2, 3, 4})
        pressCard(position);
    clickWidget(window->okButton);
    EXPECT_TRUE(asked.isEmpty()) << "the best hold is not questioned";
    EXPECT_EQ(window->game().phase(), PokerPhase::Drawing);
    finishSlide();
    clickWidget(window->okButton);
    for (int card : {9, 22, 30, 44, 6})
        random.push(card);
    finishSlide();
    ASSERT_EQ(window->game().hand(), (PokerCards{9, 22, 30, 44, 6}));
    ASSERT_TRUE(waitForValues());

    for (int position = 0; position < CardsInHand; ++position)
        pressCard(position); // all five thrown away, the Jacks with them
    answer(&QuestionDialog::okButton);
    clickWidget(window->okButton);
    EXPECT_EQ(questionDialog->okButton->text(), "Draw anyway");
    EXPECT_FALSE(asked.isEmpty());
    EXPECT_EQ(window->game().phase(), PokerPhase::Drawing);
    EXPECT_TRUE(window->coachPanel->text().startsWith("This game: best hold 1 of 2, $"))
        << window->coachPanel->text().toStdString();

    finishSlide();
    saveAs(dataPath(QStringLiteral("coached")));
    const QByteArray saved = readDataFile(QStringLiteral("coached.kp1"));
    EXPECT_EQ(saved.size(), PokerSave::FileSize);
    EXPECT_EQ(savedMoney(saved), window->game().score().Money);
}

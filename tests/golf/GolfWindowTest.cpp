#include "GolfWindow.h"
#include "CardLibrary.h"
#include "Click.h"
#include "DeckChooser.h"
#include "FileFaults.h"
#include "FileLimits.h"
#include "GolfFixtures.h"
#include "GolfLayoutDialog.h"
#include "GolfResultsDialog.h"
#include "GolfSolver.h"
#include "GolfSolverStatus.h"
#include "GolfTable.h"
#include "GolfWindowPlacement.h"
#include "HintFrame.h"
#include "IniFile.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "SizedFile.h"
#include "Sound.h"
#include "TempDataDir.h"
#include "WindowPlacement.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTimer>
#include <optional>

#include "GolfStatistics.h"
#include "GolfWindowFixture.h"
#include "StatisticsFile.h"
#include "StatisticsWindow.h"
#include <QTabWidget>

namespace {

// Ten columns of five leave two stock cards, both Kings: the game ends on the second turn.
ScriptedRandom stockOfTwoKings()
{
    return scriptedDeal({10, 5}, {}, {card(King), card(King, 1)});
}

}

TEST_F(GolfWindowTest, FreshDealShowsColumnsStockCounterAndOneFoundationCard)
{
    open(fourOnFive());
    EXPECT_EQ(window->windowTitle(), "Kovra - Golf");
    EXPECT_EQ(question.windowTitle(), "Kovra - Golf");
    EXPECT_EQ(cards->windowTitle(), "Kovra - Golf - Card Decks");

    EXPECT_EQ(picture(card(Two))->geometry(), QRect(5, 5, 71, 96));
    EXPECT_EQ(picture(card(Four))->pos(), QPoint(5, 4 * 18 + 5));
    const int lastDealt = window->game().Tableau(6, 4);
    EXPECT_EQ(picture(lastDealt)->pos(), QPoint(6 * 79 + 5, 4 * 18 + 5));

    EXPECT_EQ(window->stockPicture->geometry(), QRect(stock(), QSize(71, 96)));
    EXPECT_EQ(stock().y(), window->table->height() - 152);
    EXPECT_TRUE(window->stockPicture->isVisible());
    EXPECT_EQ(window->stockCountLabel->text(), "16");
    EXPECT_EQ(window->stockCountLabel->geometry().right() + 1, 79);
    EXPECT_EQ(window->stockCountLabel->y(), stock().y() + 103);

    EXPECT_EQ(picture(card(Five))->pos(), foundationPlace(1));
    EXPECT_EQ(foundationPlace(1), stock() + QPoint(79, 0));
    int shown = 0;
    for (Picture *card : window->cardPictures)
        shown += card->isVisible();
    EXPECT_EQ(shown, 36);
    EXPECT_FALSE(window->resultLabel->isVisible());
    EXPECT_EQ(sounds.played, QStringList{"Pakli.wav"});
}

TEST_F(GolfWindowTest, MouseButtonsPlayExposedCardsAndTurnTheStock)
{
    open(fourOnFive());
    sounds.played.clear();

    clickWidget(picture(card(Six, 1)));
    clickWidget(picture(card(Five)));
    EXPECT_EQ(window->game().FoundationCount(), 1) << "covered and foundation cards stay";
    EXPECT_EQ(picture(card(Six, 1))->pos(), QPoint(5, 3 * 18 + 5));

    clickWidget(picture(card(Four)));
    EXPECT_EQ(picture(card(Four))->pos(), foundationPlace(2));
    EXPECT_EQ(topCard(), card(Four));
    EXPECT_EQ(sounds.played, QStringList{"Licit.wav"});

    const struct
    {
        QWidget *widget;
        Qt::MouseButton button;
        int stockLeft;
    } presses[] = {
        {window->table, Qt::LeftButton, 16},        {window->table, Qt::RightButton, 15},
        {window->table, Qt::MiddleButton, 14},      {picture(card(Two)), Qt::RightButton, 13},
        {picture(card(Ten)), Qt::MiddleButton, 12}, {window->stockPicture, Qt::LeftButton, 11},
    };
    for (const auto &press : presses) {
        clickWidget(press.widget, press.button, {1, 1});
        EXPECT_EQ(window->stockCountLabel->text(), QString::number(press.stockLeft))
            << press.widget->metaObject()->className() << " " << press.button;
    }
    EXPECT_EQ(picture(topCard())->pos(), foundationPlace(7));
    EXPECT_EQ(sounds.played.count("Pakli.wav"), 5);

    window->soundAction->trigger();
    clickWidget(window->stockPicture);
    EXPECT_EQ(sounds.played.count("Pakli.wav"), 5) << "no sound while Sound is unchecked";
}

TEST_F(GolfWindowTest, BackspaceTakesBackColumnAndStockCards)
{
    open(fourOnFive());
    clickWidget(picture(card(Four)));
    clickWidget(window->stockPicture);
    const int turned = topCard();
    ASSERT_EQ(window->stockCountLabel->text(), "15");

    QTest::keyClick(window.get(), Qt::Key_Backspace);
    EXPECT_FALSE(picture(turned)->isVisible());
    EXPECT_EQ(window->stockCountLabel->text(), "16");
    QTest::keyClick(window.get(), Qt::Key_Backspace);
    EXPECT_EQ(picture(card(Four))->pos(), QPoint(5, 4 * 18 + 5));
    EXPECT_TRUE(picture(card(Four))->isVisible());
    QTest::keyClick(window.get(), Qt::Key_Backspace);
    EXPECT_EQ(window->game().FoundationCount(), 1) << "the first card stays";
}

TEST_F(GolfWindowTest, EndOfGameShowsTheResultLineAndCountsItOnce)
{
    writeDataFile("Golf.ini", "[Beallitas]\r\nAktOszlSzam=10\r\nAktSorSzam=5\r\n");
    open(stockOfTwoKings());
    const GolfLayout layout{10, 5};
    EXPECT_EQ(window->stockCountLabel->text(), "1");

    clickWidget(window->stockPicture);
    EXPECT_FALSE(window->stockPicture->isVisible());
    EXPECT_FALSE(window->stockCountLabel->isVisible());
    ASSERT_TRUE(window->resultLabel->isVisible());
    EXPECT_EQ(window->resultLabel->text(), "Game Over - 50 cards left");
    const QSize table = window->table->size();
    EXPECT_EQ(window->resultLabel->geometry(),
              QRect(table.width() / 2 - 387 / 2, table.height() - 25, 387,
                    window->resultLabel->height()));
    EXPECT_EQ(stored("Lap_46_50", layout), 1);
    EXPECT_EQ(stored("JatSz", layout), 1);

    QTest::keyClick(window.get(), Qt::Key_Backspace);
    EXPECT_FALSE(window->resultLabel->isVisible());
    EXPECT_TRUE(window->stockPicture->isVisible()) << "the stock is back with its counter";
    EXPECT_TRUE(window->stockCountLabel->isVisible());
    EXPECT_EQ(window->stockCountLabel->text(), "1");
    EXPECT_EQ(stored("JatSz", layout), 0);

    clickWidget(window->stockPicture);
    EXPECT_EQ(stored("JatSz", layout), 1);
    // A resize re-centres the line, near the bottom, without counting the game again.
    window->resize(window->size() + QSize(100, 60));
    const QRect line = window->resultLabel->geometry();
    EXPECT_NEAR(line.center().x(), window->table->width() / 2, 1);
    EXPECT_LE(line.bottom(), window->table->height());
    EXPECT_GT(line.bottom(), window->table->height() - 10);
    EXPECT_EQ(stored("JatSz", layout), 1);

    EXPECT_EQ(closeAnswering("Yes"), QStringList()) << "an ended game closes without asking";
    EXPECT_FALSE(window->isVisible());
}

TEST_F(GolfWindowTest, AWonGameCountsAsAWin)
{
    writeDataFile("Golf.ini", "[Beallitas]\r\nAktOszlSzam=1\r\nAktSorSzam=1\r\n");
    open(scriptedDeal({1, 1}, {{card(Three)}}, {card(Two)}));
    clickWidget(picture(card(Three)));
    for (int turn = 0; turn < 50; ++turn)
        clickWidget(window->stockPicture);
    EXPECT_EQ(window->resultLabel->text(), "Game Over - 0 cards left");
    EXPECT_EQ(stored("Lap_0_0", {1, 1}), 1);
    EXPECT_EQ(picture(topCard())->pos(), foundationPlace(52));
    EXPECT_EQ(foundationPlace(52), stock() + QPoint(25 * 15 + 79, 30));
}

// A folder in the file's place, or a disk that fills up: either way the player is told, the
// old results stay as they were, and the game goes on.
TEST_F(GolfWindowTest, AResultThatCannotBeWrittenIsReportedAndPlayGoesOn)
{
    const QByteArray otherLayouts = "[Palya7x5]\r\nLap_0_0=3\r\nJatSz=8\r\n";
    for (const bool fullDisk : {false, true}) {
        SCOPED_TRACE(fullDisk ? "full disk" : "folder");
        writeDataFile("Golf.ini", "[Beallitas]\r\nAktOszlSzam=10\r\nAktSorSzam=5\r\n");
        if (fullDisk)
            writeDataFile("Golf.ere", otherLayouts);
        else
            ASSERT_TRUE(QDir(folder.path()).mkdir("Golf.ere"));
        open(stockOfTwoKings());
        QString message;
        onNextModal([&](QWidget *) {
            message = question.messageLabel->text().remove('\n');
            question.okButton->click();
        });
        {
            const std::optional<FileSizeLimit> full
                = fullDisk ? std::make_optional<FileSizeLimit>(4) : std::nullopt;
            clickWidget(window->stockPicture);
        }
        EXPECT_EQ(message, "Unable to write to " + dataPath("Golf.ere"));
        EXPECT_TRUE(window->game().GameOver());
        EXPECT_TRUE(window->resultLabel->isVisible());
        if (fullDisk) {
            EXPECT_EQ(readDataFile("Golf.ere"), otherLayouts);
        } else {
            QDir(folder.path()).rmdir("Golf.ere");
        }
    }
}

TEST_F(GolfWindowTest, SettingsThatCannotBeWrittenAreReportedAndTheOldFileKept)
{
    const QByteArray old = "[Beallitas]\r\nHang=0\r\nAktOszlSzam=10\r\nAktSorSzam=5\r\n";
    writeDataFile("Golf.ini", old);
    open(stockOfTwoKings());
    clickWidget(window->stockPicture);
    ASSERT_TRUE(window->game().GameOver()) << "the window closes without a question";
    window->soundAction->trigger();
    QString message;
    onNextModal([&](QWidget *) {
        message = question.messageLabel->text().remove('\n');
        question.okButton->click();
    });
    {
        const FileSizeLimit full(4);
        window->close();
    }
    EXPECT_EQ(message, "Unable to write to " + dataPath("Golf.ini"));
    EXPECT_FALSE(window->isVisible());
    EXPECT_EQ(readDataFile("Golf.ini"), old);
}

// As for a file that cannot be read: the defaults, and the old file kept when the window closes.
TEST_F(GolfWindowTest, SettingsOverTheSizeLimitGiveTheDefaultsAndAreKept)
{
    const QByteArray tooLarge = sizedIniFile("[Beallitas]\r\nHang=0\r\nAktOszlSzam=10\r\n",
                                             FileLimits::MaxIniFileSize + 1);
    writeDataFile("Golf.ini", tooLarge);
    open(fourOnFive());
    EXPECT_EQ(window->game().layout().columns, 7);
    EXPECT_TRUE(window->soundAction->isChecked());

    QStringList messages;
    onNextModal([&](QWidget *) {
        messages << question.messageLabel->text();
        onNextModal([&](QWidget *) {
            messages << question.messageLabel->text().remove('\n');
            question.okButton->click();
        });
        pressQuestionButton("Yes");
    });
    window->close();
    EXPECT_EQ(messages, (QStringList{QuitQuestion, "Unable to write to " + dataPath("Golf.ini")}));
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(readDataFile("Golf.ini") == tooLarge);
}

// A quick second press reaches the window as a double-click event; it turns the stock again.
TEST_F(GolfWindowTest, EveryPressCountsHoweverQuickly)
{
    open(fourOnFive());
    const struct
    {
        QWidget *widget;
        Qt::MouseButton button;
    } presses[] = {{window->table, Qt::RightButton},
                   {window->table, Qt::MiddleButton},
                   {window->stockPicture, Qt::LeftButton},
                   {picture(card(Two)), Qt::RightButton}};
    int stockLeft = 16;
    for (const auto &press : presses) {
        doubleClickWidget(press.widget, press.button, {1, 1});
        stockLeft -= 2;
        EXPECT_EQ(window->stockCountLabel->text(), QString::number(stockLeft))
            << press.widget->metaObject()->className() << " " << press.button;
    }
}

TEST_F(GolfWindowTest, QuestionsGuardARunningGame)
{
    open(fourOnFive());
    clickWidget(picture(card(Four)));

    EXPECT_EQ(closeAnswering("No"), QStringList{QuitQuestion});
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(QFileInfo::exists(dataPath("Golf.ini")));
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    answerNextModal("No");
    QTest::keyClick(window.get(), Qt::Key_F2);
    EXPECT_EQ(question.messageLabel->text(), NewGameQuestion);
    EXPECT_EQ(topCard(), card(Four)) << "No keeps the game";
    answerNextModal("Yes");
    window->newGameAction->trigger();
    EXPECT_EQ(window->game().FoundationCount(), 1);
    EXPECT_EQ(window->stockCountLabel->text(), "16");

    EXPECT_EQ(closeAnswering("Yes"), QStringList{QuitQuestion});
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(QFileInfo::exists(dataPath("Golf.ini")));
    EXPECT_FALSE(QFileInfo::exists(dataPath("Golf.ere"))) << "a game left unfinished counts not";
}

TEST_F(GolfWindowTest, SettingsAndGeometryRoundTripThroughTheIniFile)
{
    writeDataFile("Golf.ini",
                  "[Beallitas]\r\nHang=0\r\nAktHatlapSSz=3\r\nAktOszlSzam=8\r\nAktSorSzam=6\r\n"
                  "FormSzel=642\r\nFormMag=459\r\nFormBal=30\r\nFormTeto=40\r\nFormStatusz=1\r\n");
    open();
    EXPECT_FALSE(window->soundAction->isChecked());
    EXPECT_EQ(window->stockPicture->pixmap().cacheKey(), library->backsUpright[3].cacheKey());
    EXPECT_EQ(window->game().layout(), (GolfLayout{8, 6}));
    EXPECT_EQ(window->outerSize(), QSize(642, 459));
    EXPECT_EQ(window->pos(), QPoint(30, 40));
    EXPECT_TRUE(sounds.played.isEmpty());

    onNextModal([&](QWidget *) {
        clickWidget(cards->backPictures[5]);
        cards->okButton->click();
    });
    window->deckAction->trigger();
    EXPECT_EQ(window->stockPicture->pixmap().cacheKey(), library->backsUpright[5].cacheKey());

    window->soundAction->trigger();
    window->move(50, 60);
    window->resize(window->size() + QSize(10, 20));
    window->placement->note();
    const QRect normal = window->geometry();
    window->showMaximized();
    window->placement->note();
    closeAnswering("Yes");

    IniFile written(dataPath("Golf.ini"));
    const struct
    {
        const char *key;
        int value;
    } expected[] = {{"Hang", 1},       {"AktHatlapSSz", 5}, {"AktOszlSzam", 8},
                    {"AktSorSzam", 6}, {"FormSzel", 652},   {"FormMag", 479},
                    {"FormBal", 50},   {"FormTeto", 60},    {"FormStatusz", 2}};
    for (const auto &key : expected)
        EXPECT_EQ(written.readInteger("Beallitas", key.key, -1), key.value) << key.key;

    open();
    EXPECT_TRUE(window->isMaximized());
    EXPECT_EQ(window->normalGeometry().size(), normal.size()) << "restoring gives the stored size";
}

TEST_F(GolfWindowTest, WindowSnapsToTheMinimumForItsLayout)
{
    open();
    window->resize(100, 100);
    EXPECT_EQ(window->outerSize(), minimumWindowSize({7, 5}));
    EXPECT_EQ(window->stockPicture->y(), window->table->height() - 152) << "the stock follows";

    onNextModal([&](QWidget *) {
        layoutDialog.columnsBox->setValue(10);
        answerNextModal("Yes");
        layoutDialog.okButton->click();
    });
    window->settingsAction->trigger();
    ASSERT_EQ(window->game().layout(), (GolfLayout{10, 5}));
    const QSize monitor = window->screen()->geometry().size();
    EXPECT_EQ(window->outerSize(), snapToLayout({100, 100}, {10, 5}, monitor));
    EXPECT_EQ(window->stockCountLabel->text(), "1") << "a new layout deals anew";
}

TEST_F(GolfWindowTest, MinimizingKeepsTheStateToRestore)
{
    writeDataFile("Golf.ini", "[Beallitas]\r\nFormStatusz=2\r\n");
    open();
    window->placement->note();
    window->setWindowState(Qt::WindowMinimized);
    window->placement->note();
    EXPECT_TRUE(window->isMinimized());
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    EXPECT_TRUE(window->isMaximized()) << "restored to the state it had";
}

TEST_F(GolfWindowTest, StatusLineTellsTheBestEndAndFollowsTheMoves)
{
    open(fourOnFive());
    ASSERT_TRUE(adviceArrives());
    const GolfSolution atDeal = solved(window->game());
    EXPECT_EQ(window->advice()->fewestCardsLeft, atDeal.fewestCardsLeft);
    EXPECT_TRUE(window->solverLabel->isVisible());
    EXPECT_EQ(window->solverLabel->text(), solverStatusText(*window->advice()));
    const QString expected[] = {"This deal can still be won", "At best 1 card can be left",
                                QString("At best %1 cards can be left").arg(atDeal.fewestCardsLeft)};
    EXPECT_EQ(window->solverLabel->text(), expected[std::min(atDeal.fewestCardsLeft, 2)]);

    // Moves made while the solver thinks: no answer for an older position is shown.
    clickWidget(picture(card(Four)));
    EXPECT_FALSE(window->advice().has_value());
    EXPECT_EQ(window->solverLabel->text(), "") << "nothing stale while the solver thinks";
    clickWidget(window->stockPicture);
    clickWidget(window->stockPicture);
    ASSERT_TRUE(adviceArrives());
    QTest::qWait(50);
    EXPECT_EQ(window->advice()->fewestCardsLeft, solved(window->game()).fewestCardsLeft);
    ASSERT_FALSE(window->advice()->line.empty());
    EXPECT_TRUE(window->game().position().allowed(window->advice()->line.front()));

    window->showHintsAction->trigger();
    EXPECT_FALSE(window->statusLine->isVisible());
    EXPECT_FALSE(window->hintAction->isEnabled());
}

TEST_F(GolfWindowTest, HintFramesTheCardOrStockOfTheBestLine)
{
    writeLayout({4, 3});
    open();
    for (int hints = 0; hints < 6 && !window->game().GameOver(); ++hints) {
        ASSERT_TRUE(adviceArrives());
        QTest::keyClick(window.get(), Qt::Key_H);
        const GolfMove move = window->advice()->line.front();
        const QWidget *target = move.kind == GolfMove::Turn
            ? static_cast<QWidget *>(window->stockPicture)
            : picture(
                window->game().Tableau(move.column, window->game().ColumnLen(move.column) - 1));
        ASSERT_TRUE(window->hintFrame->isVisible());
        EXPECT_TRUE(window->hintFrame->geometry().contains(target->geometry()));
        playMove(move);
        EXPECT_FALSE(window->hintFrame->isVisible()) << "a move takes the hint away";
    }
}

// The frame moves with its picture when the window grows and the stock moves with the table.
TEST_F(GolfWindowTest, TheHintFrameFollowsItsPictureWhenTheTableResizes)
{
    writeLayout({4, 3});
    open();
    for (int moves = 0; moves < 40 && !window->game().GameOver(); ++moves) {
        ASSERT_TRUE(adviceArrives());
        const GolfMove move = window->advice()->line.front();
        if (move.kind != GolfMove::Turn) {
            playMove(move);
            continue;
        }
        QTest::keyClick(window.get(), Qt::Key_H);
        const QPoint stockBefore = window->stockPicture->pos();
        window->resize(window->size() + QSize(40, 60));
        ASSERT_NE(window->stockPicture->pos(), stockBefore);
        ASSERT_TRUE(window->hintFrame->isVisible());
        EXPECT_TRUE(window->hintFrame->geometry().contains(window->stockPicture->geometry()));
        return;
    }
    FAIL() << "no hint turned the stock";
}

TEST_F(GolfWindowTest, SolvePlaysToTheEndUnrecordedAndCanBeTakenBack)
{
    writeLayout({4, 3});
    open();
    window->solveAction->trigger();
    ASSERT_TRUE(adviceArrives());
    const int promised = window->advice()->fewestCardsLeft;
    QTest::qWait(0);
    ASSERT_TRUE(window->solving());
    int moves = 0;
    while (window->solving()) {
        window->playNextSolveMove();
        ++moves;
    }
    EXPECT_TRUE(window->game().GameOver());
    EXPECT_EQ(window->game().cardsLeft(), promised);
    EXPECT_EQ(stored("JatSz", {4, 3}), 0) << "a solved game is not counted";
    const auto statistics = [&] {
        return GolfStatistics::read(StatisticsFile(dataPath("Statistics.ini")),
                                    GolfStatistics::AllLayouts);
    };
    EXPECT_EQ(statistics().solved, 1) << "the statistics count it as solved";
    EXPECT_EQ(statistics().won, 0);
    QTest::keyClick(window.get(), Qt::Key_Backspace);
    EXPECT_FALSE(window->game().GameOver());
    EXPECT_EQ(stored("JatSz", {4, 3}), 0);
    EXPECT_EQ(statistics().played, 0) << "taken back with the game";
    EXPECT_GT(moves, 1);
}

TEST_F(GolfWindowTest, AnyClickOrKeyStopsSolve)
{
    writeLayout({4, 3});
    open();
    for (const bool byKey : {false, true}) {
        window->solveAction->trigger();
        ASSERT_TRUE(adviceArrives());
        QTest::qWait(0);
        ASSERT_TRUE(window->solving());
        window->playNextSolveMove();
        const int foundation = window->game().FoundationCount();
        if (byKey)
            QTest::keyClick(window.get(), Qt::Key_Backspace);
        else
            clickWidget(window->table, Qt::RightButton);
        EXPECT_FALSE(window->solving());
        EXPECT_EQ(window->game().FoundationCount(), foundation) << "the stopping input only stops";
    }
}

TEST_F(GolfWindowTest, WinnableDealsOnlyDealsGamesTheSolverCanWin)
{
    writeLayout({5, 3}, true);
    open(ScriptedRandom(11));
    EXPECT_TRUE(window->winnableOnlyAction->isChecked());
    for (int deal = 0; deal < 3; ++deal) {
        ASSERT_TRUE(dealSettles());
        EXPECT_EQ(solved(window->game()).fewestCardsLeft, 0);
        answerNextModal("Yes");
        window->onNewGame();
    }
    closeAnswering("Yes");
    EXPECT_TRUE(IniFile(dataPath("Golf.ini")).readBool("Beallitas", "CsakNyerheto", false));
    EXPECT_TRUE(IniFile(dataPath("Golf.ini")).readBool("Beallitas", "Tippek", false));
}

// The search for a winnable deal runs on the solver's thread: the window shows a deal at once
// and answers meanwhile. A wide layout that is almost never won gets the best deal tried, and
// the status line says so; a move, or the option switched off, keeps the deal on the table.
TEST_F(GolfWindowTest, LookingForAWinnableDealNeverHoldsTheWindow)
{
    writeLayout({10, 5}, true);
    open();
    ASSERT_TRUE(window->isVisible());
    EXPECT_TRUE(window->lookingForWinnableDeal());
    EXPECT_EQ(status(), "Looking for a winnable deal...");
    window->soundAction->trigger(); // a menu command answers while the search runs
    EXPECT_TRUE(window->lookingForWinnableDeal());

    ASSERT_TRUE(dealSettles());
    if (status() != "No winnable deal found in time") {
        const int fewest = solved(window->game()).fewestCardsLeft;
        EXPECT_EQ(status(), fewest == 0 ? QString()
                                       : QString("No winnable deal found; at best %1 cards "
                                                 "can be left")
                                             .arg(fewest));
    }

    answerNextModal("Yes");
    window->onNewGame();
    ASSERT_TRUE(window->lookingForWinnableDeal());
    const GolfPosition dealt = window->game().position();
    clickWidget(window->stockPicture);
    EXPECT_FALSE(window->lookingForWinnableDeal()) << "a move ends the search";
    QTest::qWait(100);
    EXPECT_EQ(window->game().FoundationCount(), 2) << "the deal played on stays";
    EXPECT_EQ(window->game().position().tableau, dealt.tableau);

    answerNextModal("Yes");
    window->onNewGame();
    ASSERT_TRUE(window->lookingForWinnableDeal());
    window->winnableOnlyAction->trigger();
    EXPECT_FALSE(window->lookingForWinnableDeal()) << "switched off, the search ends";
    EXPECT_NE(status(), "Looking for a winnable deal...");
}

// The window counts what the player does: the game he finished, and the one he left when he
// dealt again. Ctrl+T shows the numbers, and Reset forgets them after its question.
TEST_F(GolfWindowTest, StatisticsCountTheGamesOfTheWindowAndResetAfterAQuestion)
{
    writeDataFile("Golf.ini", "[Beallitas]\r\nAktOszlSzam=10\r\nAktSorSzam=5\r\n");
    open(stockOfTwoKings());
    clickWidget(window->stockPicture);
    ASSERT_TRUE(window->game().GameOver());
    const StatisticsFile file(dataPath("Statistics.ini"));
    const GolfTally all = GolfStatistics::read(file, GolfStatistics::AllLayouts);
    EXPECT_EQ(all.played, 1);
    EXPECT_EQ(all.left[50], 1);
    EXPECT_EQ(GolfStatistics::read(file, GolfStatistics::section({10, 5})).played, 1);

    QStringList shown;
    onNextModal([&](QWidget *modal) {
        auto *statistics = qobject_cast<StatisticsWindow *>(modal);
        ASSERT_NE(statistics, nullptr);
        EXPECT_EQ(statistics->windowTitle(), "Kovra - Golf - Statistics");
        for (int tab = 0; tab < statistics->tabs->count(); ++tab)
            shown << statistics->tabs->tabText(tab);
        const QString text = statistics->tabs->widget(0)->findChild<QLabel *>()->text();
        EXPECT_TRUE(text.contains("Games played</td><td align=\"right\"><b>1<"))
            << text.toStdString();
        answerNextModal("Yes");
        statistics->resetButton->click();
        EXPECT_EQ(statistics->tabs->count(), 1) << "only all layouts, with nothing played";
        statistics->closeButton->click();
    });
    QTest::keyClick(window.get(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(shown, (QStringList{"All layouts", "10 x 5"}));
    EXPECT_EQ(
        GolfStatistics::read(StatisticsFile(dataPath("Statistics.ini")), GolfStatistics::AllLayouts)
            .played,
        0);
}

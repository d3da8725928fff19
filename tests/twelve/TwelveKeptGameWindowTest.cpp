#include "TwelveWindowFixture.h"

#include "FileFaults.h"
#include "FileLimits.h"
#include "ModalAnswer.h"
#include "Picture.h"
#include "QuestionDialog.h"
#include "TwelveHint.h"
#include "TwelveHintView.h"
#include "TwelveKeptGame.h"
#include "TwelvePlayers.h"
#include "TwelveSettingsDialog.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStatusBar>
#include <QTest>

namespace {

const QString KeptName = QString::fromLatin1(TwelveKeptGame::FileName);

class TwelveKeptGameWindow : public TwelveWindowTest
{
protected:
    // Closes the window during a game, answering the quit question.
    void quit()
    {
        answerNextModal(QStringLiteral("Yes"));
        window->close();
        ASSERT_FALSE(window->isVisible());
        window.reset();
    }

    // Opens the window and reads the one sentence it shows, answering it with OK.
    QString openReadingMessage()
    {
        QString message;
        onNextModal([&message](QWidget *) {
            message = questionDialog->messageLabel->text();
            questionDialog->okButton->click();
        });
        open();
        return message;
    }

    // A key as the window system delivers it: to the active window's focused widget, through
    // the shortcuts.
    void pressKey(Qt::Key key) { QTest::keyClick(window->windowHandle(), key); }

    QString status() const { return table().statusLine->currentMessage(); }

    // The game the file beside the settings keeps now.
    TwelveGame keptOnDisk() const
    {
        const std::optional<TwelveGame> kept = TwelveKeptGame::decode(readDataFile(KeptName));
        EXPECT_TRUE(kept) << "no game is kept";
        return kept.value_or(TwelveGame{});
    }
};

TEST_F(TwelveKeptGameWindow, AGameClosedMidTurnContinuesAtTheStartOfThatTurn)
{
    open();
    window->state().PlayerNames = {"", "Ann", "Ben", "Cid", "Dee"};
    ASSERT_TRUE(
        playUntil([this] { return game().RoundNo == 3 && state() == TurnState::Choosing; }));
    pressFace(game().TurnSlot[mostWantedSlot()].Card);
    tickUntilWaiting();
    const TwelveGame atTurnStart = window->turnFlow().TurnStart();
    ASSERT_NE(atTurnStart.Holding, game().Holding) << "the turn is under way";
    ASSERT_NO_FATAL_FAILURE(quit());
    ASSERT_TRUE(QFile::exists(dataPath(KeptName)));

    open();
    EXPECT_EQ(game().RoundNo, 3);
    EXPECT_EQ(game().Scores, atTurnStart.Scores);
    EXPECT_EQ(game().PlayerNames, atTurnStart.PlayerNames);
    EXPECT_EQ(table().nameLabels[3]->text(), "Cid");
    EXPECT_EQ(state(), TurnState::Travelling);
    // The turn begins again: the player holds his cards, each computer all but the one it put.
    EXPECT_EQ(game().Holding[HumanSeat], atTurnStart.Holding[HumanSeat]);
    for (int seat = 2; seat <= SeatCount; ++seat) {
        Hand hand = game().Holding[seat];
        hand[game().TurnSlot[seat].Card] = true;
        EXPECT_EQ(hand, atTurnStart.Holding[seat]) << "seat " << seat;
    }
    EXPECT_TRUE(status().startsWith("Your unfinished game continues.")) << status().toStdString();
    EXPECT_EQ(window->windowTitle(), "Twelve - Difficulty: 1, Scoring: Simple");

    // The game goes on and, answered Yes, New game keeps the new game in place of the old.
    ASSERT_TRUE(playUntil([this] { return state() == TurnState::Choosing; }));
    answerNextModal(QStringLiteral("Yes"));
    window->newGameAction->trigger();
    EXPECT_EQ(game().RoundNo, 1);
    EXPECT_EQ(keptOnDisk().RoundNo, 1);
}

TEST_F(TwelveKeptGameWindow, AKeptGameKeepsItsOwnLevelAndScoringUntilANewGame)
{
    TwelveGame kept;
    kept.Difficulty = 2.0;
    kept.ScoringMode = AverageScoring;
    SeededRandom deal(3);
    NewGame(kept);
    NextRound(kept, deal);
    TwelveKeptGame::write(dataPath(KeptName), kept);

    open();
    EXPECT_EQ(game().Difficulty, 2.0);
    EXPECT_EQ(window->windowTitle(), "Twelve - Difficulty: 3, Scoring: Average based (kept game)");
    answerNextModal(QStringLiteral("Yes"));
    window->newGameAction->trigger();
    EXPECT_EQ(game().Difficulty, 1.0);
    EXPECT_EQ(window->windowTitle(), "Twelve - Difficulty: 1, Scoring: Simple");

    // Closing a kept game leaves the player's own settings as they were.
    TwelveKeptGame::write(dataPath(KeptName), kept);
    window.reset();
    open();
    ASSERT_NO_FATAL_FAILURE(quit());
    EXPECT_TRUE(readDataFile("Twelve.ini").contains("PontozMod=1"));
    EXPECT_TRUE(QFile::exists(dataPath(KeptName)));
}

// Changing the level of a kept game in the settings starts a new game at that level with the
// player's own scoring, and saves only what he changed.
TEST_F(TwelveKeptGameWindow, ChangingOneRuleOfAKeptGameKeepsThePlayersOther)
{
    TwelveGame kept;
    kept.Difficulty = 2.0;
    kept.ScoringMode = AverageScoring;
    SeededRandom deal(3);
    NewGame(kept);
    NextRound(kept, deal);
    TwelveKeptGame::write(dataPath(KeptName), kept);

    open();
    ASSERT_EQ(game().ScoringMode, AverageScoring);
    onNextModal([](QWidget *) {
        twelveSettingsDialog->levelSlider->setValue(8); // level 7
        answerNextModal(QStringLiteral("Yes")); // to the new game the change needs
        twelveSettingsDialog->okButton->click();
    });
    window->settingsAction->trigger();
    EXPECT_EQ(game().Difficulty, 4.0);
    EXPECT_EQ(game().ScoringMode, SimpleScoring) << "the player's own scoring";
    ASSERT_NO_FATAL_FAILURE(quit());
    const QByteArray settings = readDataFile("Twelve.ini");
    EXPECT_TRUE(settings.contains("Okos=4")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("PontozMod=1")) << settings.toStdString();
}

// New game while a step of the engine runs is refused, and the kept game stays as it was.
TEST_F(TwelveKeptGameWindow, ARefusedNewGameLeavesTheKeptGame)
{
    open();
    ASSERT_TRUE(playUntil([this] { return state() == TurnState::RoundOver; }));
    const QByteArray before = readDataFile(KeptName);
    bool refused = false;
    onNextModal([&](QWidget *sheet) {
        const int round = game().RoundNo;
        window->NewGame(); // the score sheet shows within the step that deals the next round
        refused = game().RoundNo == round;
        EXPECT_EQ(readDataFile(KeptName), before);
        sheet->close();
    });
    table().roundEndOkButton->click();
    EXPECT_TRUE(refused);
}

struct UnreadableCase
{
    const char *what;
    QByteArray bytes;
};

TEST_F(TwelveKeptGameWindow, AnUnreadableKeptGameIsPutAsideAndANewGameStarts)
{
    TwelveGame kept;
    SeededRandom deal(5);
    NewGame(kept);
    NextRound(kept, deal);
    const QByteArray good = TwelveKeptGame::encode(kept);
    QByteArray future = good;
    future.replace("version " + QByteArray::number(TwelveKeptGame::Version),
                   "version " + QByteArray::number(TwelveKeptGame::Version + 1));
    QByteArray flipped = good;
    flipped[good.indexOf("hand ") + 7] ^= 1;
    const UnreadableCase cases[] = {
        {"short", good.left(good.size() / 2)},
        {"damaged", flipped},
        {"from a later version", future},
        {"foreign", "[Beallitas]\r\nOkos=1\r\n"},
        {"empty", ""},
        {"too large", good + QByteArray(FileLimits::MaxKeptGameSize, '\n')},
    };
    for (const UnreadableCase &c : cases) {
        SCOPED_TRACE(c.what);
        writeDataFile(KeptName, c.bytes);
        const QString message = openReadingMessage();
        EXPECT_EQ(message.toStdString(),
                  "The kept game could not be read, so it was put aside as "
                  "Twelve.unreadable-1.kept and a new game starts.");
        EXPECT_EQ(readDataFile("Twelve.unreadable-1.kept"), c.bytes);
        EXPECT_EQ(game().RoundNo, 1);
        EXPECT_EQ(game().TurnNo, 1);
        EXPECT_EQ(keptOnDisk().TurnNo, 0) << "the new game's first turn is kept in its place";
        window.reset();
        QFile::remove(dataPath("Twelve.unreadable-1.kept"));
    }
}

TEST_F(TwelveKeptGameWindow, AFailedWriteKeepsThePreviousKeptGame)
{
    open();
    ASSERT_TRUE(
        playUntil([this] { return game().RoundNo == 2 && state() == TurnState::Choosing; }));
    ASSERT_NO_FATAL_FAILURE(quit());

    open();
    ASSERT_TRUE(playUntil([this] { return game().RoundNo == 3; }));
    const QByteArray before = readDataFile(KeptName);
    // The settings still fit, the kept game does not.
    QString message;
    onNextModal([&message](QWidget *) {
        onNextModal([&message](QWidget *) {
            message = questionDialog->messageLabel->text();
            questionDialog->okButton->click();
        });
        questionDialog->okButton->click(); // "Yes" to the quit question
    });
    {
        const FileSizeLimit full(500);
        window->close();
    }
    EXPECT_TRUE(message.startsWith("Unable to write to ")) << message.toStdString();
    EXPECT_EQ(readDataFile(KeptName), before);
}

TEST_F(TwelveKeptGameWindow, HShowsTheHintForPuttingChoosingAndBidding)
{
    open();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(state(), TurnState::Travelling);
    pressKey(Qt::Key_H);
    EXPECT_EQ(window->hint->framedCard(),
              static_cast<QWidget *>(table().faces[hintPutCard(game())]));
    pressFace(hintPutCard(game()));
    EXPECT_EQ(window->hint->framedCard(), nullptr) << "a press takes the frame away";

    tickUntilWaiting();
    ASSERT_EQ(state(), TurnState::Choosing);
    pressKey(Qt::Key_H);
    EXPECT_EQ(window->hint->framedCard(),
              static_cast<QWidget *>(table().faces[game().TurnSlot[hintChooseSlot(game())].Card]));
    // Taken by its place's key, the card leaves the frame behind too.
    const int hinted = hintChooseSlot(game());
    const std::array<int, SlotCount> slotsFromTheLeft{4, 3, 1, 2};
    const int place = 1
        + int(std::find(slotsFromTheLeft.begin(), slotsFromTheLeft.end(), hinted)
              - slotsFromTheLeft.begin());
    pressKey(Qt::Key(Qt::Key_0 + place));
    EXPECT_NE(state(), TurnState::Choosing) << "the card was taken";
    EXPECT_EQ(window->hint->framedCard(), nullptr) << "a key takes the frame away";

    ASSERT_TRUE(playUntil([this] { return state() == TurnState::Bidding; }));
    pressKey(Qt::Key_H);
    EXPECT_EQ(status().toStdString(),
              QStringLiteral("This card is worth %1 points to you.")
                  .arg(hintCardWorth(game(), game().AuctionSlot))
                  .toStdString());
}

} // namespace

// A round drawn at its turn limit shows the End of Round panel with the reason under it, and
// the next round goes on as after any other.
TEST_F(TwelveKeptGameWindow, ADrawnRoundSaysWhyUnderTheEndOfRoundPanel)
{
    open();
    ASSERT_TRUE(playUntil([this] { return state() == TurnState::Choosing; }));
    TwelveGame kept = window->turnFlow().TurnStart();
    ASSERT_FALSE(EvaluateHands(kept));
    kept.TurnNo = DrawnRoundTurns;
    kept.HumanSince.fill(DrawnRoundTurns);
    ASSERT_NO_FATAL_FAILURE(quit());
    writeDataFile(KeptName, TwelveKeptGame::encode(kept));

    open();
    ASSERT_EQ(state(), TurnState::RoundOver);
    EXPECT_TRUE(table().roundEndPanel->isVisible());
    ASSERT_TRUE(table().roundEndNote->isVisible());
    EXPECT_EQ(table().roundEndNote->text(), "A drawn round: no twelve in 150 turns.");
    const QRect panel = table().layout().designed(table().roundEndPanel);
    const QRect note = table().layout().designed(table().roundEndNote);
    EXPECT_GT(note.top(), panel.bottom()) << "under the panel";
    EXPECT_EQ(note.left(), panel.left());
    EXPECT_EQ(note.width(), panel.width());
    EXPECT_EQ(table().roundEndPanel->accessibleDescription(), table().roundEndNote->text());

    confirmRound();
    EXPECT_EQ(game().RoundNo, kept.RoundNo + 1);
    EXPECT_FALSE(table().roundEndNote->isVisible());
}

// The game is kept at the start of every turn, not only when the window closes: a kill loses
// at most the turn in play. Meanwhile another window of the same player plays without keeping.
TEST_F(TwelveKeptGameWindow, EveryTurnIsKeptAsItStartsByOneWindowAlone)
{
    open();
    ASSERT_TRUE(playUntil([this] {
        return game().RoundNo == 2 && game().TurnNo == 3 && state() == TurnState::Choosing;
    }));
    const TwelveGame kept = keptOnDisk();
    EXPECT_EQ(kept.RoundNo, 2);
    EXPECT_EQ(kept.TurnNo, 2) << "the third turn, as it started";
    EXPECT_EQ(kept.Holding, window->turnFlow().TurnStart().Holding);
    EXPECT_EQ(kept.Scores, game().Scores);

    TwelveWindow second(program.get());
    QString message;
    onNextModal([&message](QWidget *) {
        message = questionDialog->messageLabel->text();
        questionDialog->okButton->click();
    });
    second.show();
    EXPECT_EQ(message.toStdString(), "Twelve is open in another window of this program, which "
                                     "keeps its game: this game will not be kept.");
    EXPECT_EQ(second.state().RoundNo, 1) << "the second window does not resume the kept game";
    answerNextModal(QStringLiteral("Yes"));
    second.close();
    EXPECT_EQ(keptOnDisk().RoundNo, 2) << "nor does it write over it";
    EXPECT_EQ(keptOnDisk().Holding, kept.Holding);
}

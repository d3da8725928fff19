#include "PokerSave.h"
#include "FileError.h"
#include "FileLimits.h"
#include "PokerGame.h"
#include "ScriptedRandom.h"
#include "SizedFile.h"
#include "TempDataDir.h"

#include <QDir>
#include <QtEndian>
#include <limits>

namespace {

using Int32 = std::numeric_limits<qint32>;

QByteArray fileOf(std::initializer_list<qint32> values)
{
    QByteArray bytes;
    for (const qint32 value : values) {
        char field[4];
        qToLittleEndian(value, field);
        bytes.append(field, 4);
    }
    return bytes;
}

class PokerSaveTest : public TempDataDir
{
protected:
    PokerSaveTest() { game.newGame(); }

    // Plays hands until one pays, so that saving the result differs from saving the deal.
    void playUntilPaid()
    {
        do {
            game.proceed();
            if (game.phase() == PokerPhase::ResultShown && game.lastRank() != Runt)
                return;
            game.proceed();
            game.slideFinished();
        } while (true);
    }

    ScriptedRandom random;
    PokerGame game{random};
};

TEST_F(PokerSaveTest, AFreshGameIsTenZerosAndItsStartingMoney)
{
    PokerSave::saveGame(dataPath("fresh.kp1"), game);

    EXPECT_EQ(readDataFile("fresh.kp1"), fileOf({0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 500}));
    EXPECT_TRUE(game.isSaved());
}

// The money after the new deal matches the money before saving, less the new stake when the
// saved hand had already been paid.
TEST_F(PokerSaveTest, LoadingGivesBackTheMoneyOfTheSavedMoment)
{
    for (const bool evaluated : {false, true}) {
        SCOPED_TRACE(evaluated ? "result shown" : "waiting for the draw");
        playUntilPaid();
        if (!evaluated) {
            game.proceed();
            game.slideFinished();
        }
        const PokerScore before = game.score();
        PokerSave::saveGame(dataPath("game.kp1"), game);
        EXPECT_TRUE(game.isSaved());

        SeededRandom otherRandom(5);
        PokerGame loaded(otherRandom);
        loaded.newGame();
        PokerSave::loadGame(dataPath("game.kp1"), loaded);

        EXPECT_EQ(loaded.phase(), PokerPhase::WaitingForDraw);
        EXPECT_EQ(loaded.score().HandCounts, before.HandCounts);
        EXPECT_EQ(loaded.score().Money, before.Money - (evaluated ? PokerGame::Stake : 0));
        EXPECT_TRUE(loaded.isSaved());
    }
}

TEST_F(PokerSaveTest, WhileTheEvaluatedHandIsClearedAwayItsPayoutIsKept)
{
    playUntilPaid();
    const std::int64_t paid = game.score().Money;
    game.proceed();
    ASSERT_EQ(game.phase(), PokerPhase::ClearingAway);

    EXPECT_EQ(PokerSave::decode(PokerSave::encode(game))->Money, paid);
}

TEST_F(PokerSaveTest, LoadingAFinishedGameEndsItAtOnce)
{
    writeDataFile("done.kp1", fileOf({600, 300, 50, 30, 5, 5, 5, 3, 1, 1, 2500}));
    PokerSave::loadGame(dataPath("done.kp1"), game);

    EXPECT_TRUE(game.isOver());
    EXPECT_EQ(game.score().Money, 2500);
    EXPECT_TRUE(game.offersBestScore());
    EXPECT_FALSE(game.canSave());
}

TEST_F(PokerSaveTest, BytesAfterTheGameAreIgnoredUpToTheSizeLimit)
{
    const QByteArray saved = fileOf({600, 300, 50, 30, 5, 5, 5, 3, 1, 1, 2500});
    writeDataFile("padded.kp1", sizedFile(saved, FileLimits::MaxPokerSaveSize, '\xff'));
    PokerSave::loadGame(dataPath("padded.kp1"), game);
    EXPECT_EQ(game.score().HandCounts[RoyalFlush], 1);
    EXPECT_EQ(game.score().Money, 2500);
}

TEST_F(PokerSaveTest, AMissingShortUnreadableOrTooLargeFileChangesNothing)
{
    const QByteArray saved = fileOf({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11});
    writeDataFile("short.kp1", saved.left(43));
    writeDataFile("large.kp1", sizedFile(saved, FileLimits::MaxPokerSaveSize + 1, '\0'));
    ASSERT_TRUE(QDir(folder.path()).mkdir("folder.kp1"));
    game.proceed(); // the first hand is evaluated: the game is now unsaved
    const PokerCards hand = game.hand();
    const PokerScore score = game.score();

    const struct
    {
        QString file;
        QString message;
    } cases[] = {{"short.kp1", "Read beyond end of file"},
                 {"missing.kp1", "File not found"},
                 {"folder.kp1", "Cannot read file"},
                 {"large.kp1", "File too large"}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        try {
            PokerSave::loadGame(dataPath(c.file), game);
            ADD_FAILURE() << "no error";
        } catch (const FileError &error) {
            EXPECT_EQ(error.message().toStdString(),
                      (c.message + ":\n" + dataPath(c.file)).toStdString());
        }
        EXPECT_EQ(game.phase(), PokerPhase::ResultShown);
        EXPECT_EQ(game.hand(), hand);
        EXPECT_EQ(game.score().HandCounts, score.HandCounts);
        EXPECT_EQ(game.score().Money, score.Money);
        EXPECT_FALSE(game.isSaved());
    }
}

TEST_F(PokerSaveTest, AFailedSaveLeavesTheGameUnsaved)
{
    game.proceed();
    const QString path = dataPath("no such folder/game.kp1");

    EXPECT_THROW(PokerSave::saveGame(path, game), FileError);
    EXPECT_FALSE(game.isSaved());
}

// Extreme values are taken as they are; totals are exact and a save keeps them within the
// file's 32 bits.
TEST_F(PokerSaveTest, ExtremeValuesNeitherOverflowNorWrap)
{
    writeDataFile("extreme.kp1",
                  fileOf({Int32::min(), 0, 0, 0, 0, 0, 0, 0, 0, Int32::max(), Int32::min()}));
    for (const int heart : {47, 48, 49, 50, 51}) // the next deal is a royal flush
        random.push(heart);
    PokerSave::loadGame(dataPath("extreme.kp1"), game);

    const PokerScore &score = game.score();
    const std::int64_t most = Int32::max();
    EXPECT_EQ(score.HandsPlayed(), -1);
    EXPECT_EQ(score.Winnings(), most * 200);
    EXPECT_EQ(score.Money, std::int64_t(Int32::min()) - 5);
    EXPECT_EQ(PokerSave::decode(PokerSave::encode(game))->Money, Int32::min());

    game.proceed();
    ASSERT_EQ(game.lastRank(), RoyalFlush);
    EXPECT_EQ(score.HandCounts[RoyalFlush], most + 1);
    const QByteArray bytes = PokerSave::encode(game);
    EXPECT_EQ(bytes,
              fileOf({Int32::min(), 0, 0, 0, 0, 0, 0, 0, 0, Int32::max(), Int32::min() + 195}));
}

TEST(PokerSaveName, GetsTheSavedGameExtension)
{
    const struct
    {
        const char *chosen;
        const char *stored;
    } cases[] = {
        {"/home/p/game.txt", "/home/p/game.kp1"},
        {"/home/p/game", "/home/p/game.kp1"},
        {"/home/p.q/game", "/home/p.q/game.kp1"},
        {"/home/p/my.game.kp1", "/home/p/my.game.kp1"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(PokerSave::withExtension(c.chosen), QString(c.stored));
}

}

#include "BestScores.h"
#include "FileLimits.h"
#include "GolfResults.h"
#include "GolfSettings.h"
#include "IniFile.h"
#include "PokerSave.h"
#include "PokerSettings.h"
#include "Random.h"
#include "TempDataDir.h"
#include "TwelveKeptGame.h"
#include "TwelveNames.h"
#include "TwelveSettings.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <limits>

namespace {

// Real files stay at most this fraction of their reader's limit.
constexpr qint64 MinimumMargin = 16;
constexpr int Largest = std::numeric_limits<int>::max();

class FileSizeMargin : public TempDataDir
{
protected:
    qint64 sizeOf(const QString &path) const { return QFileInfo(path).size(); }

    // Every count of every layout at its largest.
    qint64 largestGolfResults() const
    {
        IniFile file(dataPath("Golf.ere"));
        for (int columns = 1; columns <= GolfLayout::MaxColumns; ++columns) {
            for (int rows = 1; rows <= GolfLayout::MaxRows; ++rows) {
                const QString section = GolfResultsFile::section({columns, rows});
                for (int left = 0; left <= GolfLayout::DeckSize; ++left)
                    file.writeInteger(section, GolfResultsFile::bucketKey(left), Largest);
                file.writeInteger(section, QStringLiteral("JatSz"), Largest);
            }
        }
        file.save();
        GolfResultsFile().RecordResult({7, 5}, 0, +1);
        return sizeOf(dataPath("Golf.ere"));
    }

    // Every place taken, with the longest name and score.
    qint64 largestBestScores() const
    {
        BestScoreList list(dataPath("Poker.exe"));
        for (int place = 1; place <= BestScoreList::MaxPlaces; ++place)
            list.InsertScore(Largest, QString(BestScoreList::NameLength, u'\u0151'));
        IniFile file(list.filePath());
        list.write(file);
        file.save();
        return sizeOf(list.filePath());
    }

    qint64 largestTwelveSettings() const
    {
        TwelveSettings settings;
        settings.Difficulty = 1.0 / 3;
        for (int seat = 1; seat <= SeatCount; ++seat)
            settings.PlayerNames[seat] = std::string(PlayerNameLength, 'W');
        writeTwelveSettings(settings);
        return sizeOf(dataPath("Twelve.ini"));
    }

    qint64 largestGolfSettings() const
    {
        GolfSettings settings;
        const int limit = GolfWindowGeometry::Limit;
        settings.geometry = {limit, limit, -limit, -limit, true};
        writeGolfSettings(settings);
        return sizeOf(dataPath("Golf.ini"));
    }

    // The longest names, each letter two bytes, and every count at its largest.
    qint64 largestKeptGame() const
    {
        TwelveGame game;
        game.Difficulty = 1.5;
        for (int seat = 1; seat <= SeatCount; ++seat)
            game.PlayerNames[seat]
                = (QString::number(seat) + QString(PlayerNameLength - 1, QChar(u'\u0151')))
                      .toStdString();
        SeededRandom deal(1);
        NewGame(game);
        while (NextRound(game, deal))
            game.Scores[game.RoundNo].fill(99999);
        game.TurnNo = DrawnRoundTurns;
        game.RankPutCount.fill(999999);
        game.HumanSince.fill(DrawnRoundTurns);
        const QString path = dataPath(QString::fromLatin1(TwelveKeptGame::FileName));
        TwelveKeptGame::write(path, game);
        return sizeOf(path);
    }

    qint64 largestPokerSettings() const
    {
        savePokerSettings({PokerSettings::MaxMoveStep, true});
        return sizeOf(dataPath("Poker.ini"));
    }
};

}

// So that no real file is ever refused: the largest file of each kind that the program writes
// or ships, against its reader's limit.
TEST_F(FileSizeMargin, EveryFileTheProgramWritesOrShipsIsFarBelowItsLimit)
{
    const QString shipped = QCoreApplication::applicationDirPath() + QLatin1Char('/');
    const struct
    {
        const char *file;
        qint64 size;
        qint64 limit;
    } files[] = {
        {"Twelve.rtf", sizeOf(shipped + "Twelve.rtf"), FileLimits::MaxHelpTextSize},
        {"Golf.rtf", sizeOf(shipped + "Golf.rtf"), FileLimits::MaxHelpTextSize},
        {"Poker.rtf", sizeOf(shipped + "Poker.rtf"), FileLimits::MaxHelpTextSize},
        {"a wall", sizeOf(shipped + "Fal - Z\u00f6ld.bmp"), FileLimits::MaxPictureSize},
        {"Pakli.wav", sizeOf(shipped + "Pakli.wav"), FileLimits::MaxSoundSize},
        {"KVR1.ico", sizeOf(shipped + "KVR1.ico"), FileLimits::MaxIconSize},
        {"Golf.ere", largestGolfResults(), FileLimits::MaxIniFileSize},
        {"Poker.ere", largestBestScores(), FileLimits::MaxIniFileSize},
        {"Twelve.ini", largestTwelveSettings(), FileLimits::MaxIniFileSize},
        {"Golf.ini", largestGolfSettings(), FileLimits::MaxIniFileSize},
        {"Poker.ini", largestPokerSettings(), FileLimits::MaxIniFileSize},
        {"saved game", PokerSave::FileSize, FileLimits::MaxPokerSaveSize},
        {"Twelve.kept", largestKeptGame(), FileLimits::MaxKeptGameSize},
    };
    for (const auto &f : files) {
        ASSERT_GT(f.size, 0) << f.file;
        std::printf("%-11s %7lld bytes at its largest, 1/%lld of its limit\n", f.file,
                    static_cast<long long>(f.size), static_cast<long long>(f.limit / f.size));
        EXPECT_LE(f.size * MinimumMargin, f.limit) << f.file;
    }
}

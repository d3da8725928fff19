#include "AnsiText.h"
#include "BestScores.h"
#include "FileFaults.h"
#include "FileLimits.h"
#include "IniFile.h"
#include "SizedFile.h"
#include "TempDataDir.h"

#include <gtest/gtest.h>

namespace {

// Notes what the list asks of its windows.
class NotingView : public BestScoreView
{
public:
    QString askName(int) override { return QStringLiteral("Typed"); }
    void reportDamagedFile() override { ++damagedReports; }
    void reportWriteError(const QString &message) override { writeErrors << message; }
    void showList() override { ++listsShown; }

    int damagedReports = 0;
    QStringList writeErrors;
    int listsShown = 0;
};

class BestScoreListTest : public TempDataDir
{
protected:
    BestScoreList listFor(const QString &base, int places)
    {
        BestScoreList list(dataPath(base));
        list.setCount(places);
        return list;
    }

    // Writes a list and reads it back into a fresh list of the same file and length.
    BestScoreList roundTrip(const BestScoreList &list)
    {
        IniFile file(list.filePath());
        list.write(file);
        file.save();
        BestScoreList reread(list.base());
        reread.setCount(list.count());
        IniFile written(list.filePath());
        EXPECT_TRUE(reread.read(written));
        return reread;
    }
};

}

TEST_F(BestScoreListTest, ResetFifteenPlaceListForPokerHasTheKnownChecksum)
{
    BestScoreList list = listFor(QStringLiteral("Poker.exe"), 15);
    EXPECT_EQ(list.filePath(), dataPath(QStringLiteral("Poker.ere")));
    EXPECT_EQ(list.BestScoreChecksum(),
              QStringLiteral("16546375119925411840223891205004012870120486720"));
}

// The file as Windows writes it: CRLF lines, names in Windows-1250 ("őűé" is F5 FB E9), an
// empty name and a negative score, whose last digit counts with its sign. The checksum was
// worked out by hand from those bytes.
TEST_F(BestScoreListTest, ChecksumSumsTheNameBytesOfAWindowsFile)
{
    writeDataFile(QStringLiteral("X.ere"),
                  "[Hely1]\r\nNev=\xF5\xFB\xE9\r\nPont=1234\r\n"
                  "[Hely2]\r\nNev=\r\nPont=-17\r\n"
                  "[CS]\r\nCS=222385031352245286651324684668"
                  "40-108336246\r\n");
    BestScoreList list = listFor(QStringLiteral("X.exe"), 2);
    EXPECT_TRUE(list.read(IniFile(list.filePath())));
    EXPECT_EQ(AnsiText::decode(list.entry(1).Name), QStringLiteral("őűé"));
    EXPECT_EQ(list.entry(1).Score, 1234);
    EXPECT_EQ(list.entry(2).Name, QByteArray());
    EXPECT_EQ(list.entry(2).Score, -17);
}

TEST_F(BestScoreListTest, WrittenListReadsBackIntactInWindowsForm)
{
    BestScoreList list = listFor(QStringLiteral("Twelve3S.exe"), 15);
    list.InsertScore(1200, QStringLiteral("Győző Ébner"));
    list.InsertScore(2147483647, QStringLiteral("Űrhajós"));
    list.InsertScore(35, QStringLiteral("Anna"));

    const BestScoreList reread = roundTrip(list);
    for (int k = 1; k <= 15; ++k) {
        EXPECT_EQ(reread.entry(k).Name, list.entry(k).Name) << k;
        EXPECT_EQ(reread.entry(k).Score, list.entry(k).Score) << k;
    }
    EXPECT_EQ(AnsiText::decode(reread.entry(2).Name), QStringLiteral("Győző Ébner"));

    const QByteArray bytes = readDataFile(QStringLiteral("Twelve3S.ere"));
    EXPECT_TRUE(
        bytes.startsWith("[Hely1]\r\nNev=\xDBrhaj\xF3s\r\nPont=2147483647\r\n\r\n[Hely2]\r\n"
                         "Nev=Gy\xF5z\xF5 \xC9"
                         "bner\r\nPont=1200\r\n"))
        << bytes.left(80).toStdString();
    EXPECT_TRUE(bytes.endsWith("[CS]\r\nCS=" + list.BestScoreChecksum().toLatin1() + "\r\n"));
    EXPECT_FALSE(bytes.contains("\n\n")) << "no blank line without its carriage return";
}

TEST_F(BestScoreListTest, NewScoresTakeTheirPlaceBelowEqualOnes)
{
    const struct
    {
        QList<int> scores;
        QList<int> placesTaken;
        QStringList names; // by place, named after the order of entry
    } cases[] = {
        {{50, 70, 60}, {1, 1, 2}, {"2", "3", "1"}},
        {{50, 50, 50}, {1, 2, 3}, {"1", "2", "3"}},
        {{70, 50, 60, 60}, {1, 2, 2, 3}, {"1", "3", "4"}},
        {{10, 20, 30, 5}, {1, 1, 1, 3}, {"3", "2", "4"}},
    };
    for (const auto &c : cases) {
        BestScoreList list = listFor(QStringLiteral("Poker.exe"), 3);
        for (int i = 0; i < c.scores.size(); ++i) {
            EXPECT_EQ(list.InsertScore(c.scores[i], QString::number(i + 1)), c.placesTaken[i])
                << "entry " << i + 1;
        }
        QStringList names;
        for (int k = 1; k <= 3; ++k)
            names << QString::fromLatin1(list.entry(k).Name);
        EXPECT_EQ(names, c.names);
        EXPECT_GE(list.entry(1).Score, list.entry(2).Score);
        EXPECT_GE(list.entry(2).Score, list.entry(3).Score);
    }
}

TEST_F(BestScoreListTest, TypedNamesAreStoredAsTheBytesAFileLineCanHold)
{
    const struct
    {
        QString typed;
        QByteArray stored;
    } cases[] = {
        {QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcd"), "ABCDEFGHIJKLMNOPQRSTUVWXY"},
        {QStringLiteral("Őrző Ágnes"), "\xD5rz\xF5 \xC1gnes"},
        {QStringLiteral("  Bob  "), "Bob"},
        {QStringLiteral("Tab\tand\nline"), "Tab and line"},
        {QStringLiteral("漢"), "?"},
        {QString(), ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BestScoreList::storedName(c.typed), c.stored) << c.typed.toStdString();
}

TEST_F(BestScoreListTest, ReadingCutsLongNamesAndTakesBadScoresAsZero)
{
    const QByteArray longName(BestScoreList::NameLength, 'B');
    BestScoreList list = listFor(QStringLiteral("Poker.exe"), 2);
    list.InsertScore(40, QStringLiteral("Anna"));
    list.InsertScore(0, QString::fromLatin1(longName));
    roundTrip(list);
    const QString fileName = QStringLiteral("Poker.ere");
    const QByteArray bytes = readDataFile(fileName);

    const struct
    {
        QByteArray from, to;
        bool intact;
    } cases[] = {
        {"Pont=0", "Pont=zero", true},
        {"Pont=0", "Pont=99999999999", true},
        {"Nev=" + longName, "Nev=" + longName + "BBBBB", true},
        {"Pont=40", "Pont=41", false},
        {"[CS]", "[Other]", false},
    };
    for (const auto &c : cases) {
        writeDataFile(fileName, QByteArray(bytes).replace(c.from, c.to));
        BestScoreList reread = listFor(QStringLiteral("Poker.exe"), 2);
        EXPECT_EQ(reread.read(IniFile(reread.filePath())), c.intact) << c.to.toStdString();
        EXPECT_EQ(reread.entry(2).Name, longName) << c.to.toStdString();
        EXPECT_EQ(reread.entry(2).Score, 0) << c.to.toStdString();
    }
}

// A one-place list of Poker.ere whose name is cut after its 25th byte, a blank. The checksum is
// that of the cut name, blank included: A = 65, B = 24 x 65 + 32 = 1592, C = 25,
// D = 65 x (1 + ... + 24) + 25 x 32 = 20300, S = M = W = 7, F = 875 for "Poker.ere"; its nine
// numbers are 11, 46375, 8002, 50951, 933807, 10432, 4273, 2559 and 20503.
TEST_F(BestScoreListTest, ANameCutAfterABlankIsSavedAsItReadsBack)
{
    const QByteArray cut(24, 'A');
    writeDataFile("Poker.ere",
                  "[Hely1]\r\nNev=" + cut
                      + " and more\r\nPont=7\r\n[CS]\r\n"
                        "CS=1146375800250951933807104324273255920503\r\n");
    BestScoreList list = listFor(QStringLiteral("Poker.exe"), 1);
    NotingView view;
    for (int showing = 0; showing < 3; ++showing)
        list.ShowBestScores(0, view);
    EXPECT_EQ(view.damagedReports, 0) << "every showing finds the list sound";
    EXPECT_EQ(view.listsShown, 3);
    EXPECT_EQ(list.entry(1).Name, cut);
    EXPECT_EQ(list.entry(1).Score, 7);
}

// The list is not known to be damaged, and written over it would be lost.
TEST_F(BestScoreListTest, AFileThatCannotBeReadIsReportedAsUnwritableAndKept)
{
    BestScoreList list = listFor(QStringLiteral("Poker.exe"), 15);
    NotingView view;
    list.ShowBestScores(500, view);
    const QByteArray saved = readDataFile("Poker.ere");
    {
        const UnreadableFile locked(dataPath("Poker.ere"));
        list.ShowBestScores(0, view);
    }
    EXPECT_EQ(view.damagedReports, 0);
    EXPECT_EQ(view.writeErrors, QStringList{"Unable to write to " + dataPath("Poker.ere")});
    EXPECT_EQ(view.listsShown, 1) << "only the first showing";
    EXPECT_EQ(readDataFile("Poker.ere"), saved);
}

// Far larger than any list, the file is reported as damaged; written over, it would lose
// whatever it holds, so it is kept as it is.
TEST_F(BestScoreListTest, AFileOverTheSizeLimitIsReportedDamagedAndKept)
{
    BestScoreList list = listFor(QStringLiteral("Poker.exe"), 15);
    NotingView view;
    list.ShowBestScores(500, view);
    const QByteArray sound = readDataFile("Poker.ere");

    writeDataFile("Poker.ere", sizedIniFile(sound, FileLimits::MaxIniFileSize));
    list.ShowBestScores(0, view);
    EXPECT_EQ(view.damagedReports, 0) << "at the limit the list is read";
    EXPECT_EQ(list.entry(1).Score, 500);

    const QByteArray tooLarge = sizedIniFile(sound, FileLimits::MaxIniFileSize + 1);
    writeDataFile("Poker.ere", tooLarge);
    list.ShowBestScores(600, view);
    EXPECT_EQ(view.damagedReports, 1);
    EXPECT_EQ(view.writeErrors, QStringList{"Unable to write to " + dataPath("Poker.ere")});
    EXPECT_EQ(view.listsShown, 2) << "the list that was not saved is not shown";
    EXPECT_TRUE(readDataFile("Poker.ere") == tooLarge);
}

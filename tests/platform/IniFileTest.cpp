#include "IniFile.h"
#include "FileError.h"
#include "FileFaults.h"
#include "FileLimits.h"
#include "SizedFile.h"
#include "TempDataDir.h"
#include "WholeFile.h"

#include <QDir>
#include <QFile>
#include <sys/stat.h>

using IniFileTest = TempDataDir;

namespace {

// Text with its NUL bytes, which a plain literal would end at.
template<std::size_t N> QByteArray bytes(const char (&text)[N])
{
    return QByteArray(text, N - 1);
}

// Saves the file with one more key, opening it anew, as each save of the program does.
void saveWithKey(const QString &path, const QString &key)
{
    IniFile ini(path);
    ini.writeInteger("Added", key, 1);
    ini.save();
}

}

TEST_F(IniFileTest, WrittenValuesReadBackAsKeyEqualsValue)
{
    IniFile ini(dataPath("Test.ini"));
    ini.writeInteger("Beallitas", "MozgSeb", 16);
    ini.writeBool("Beallitas", "Hang", true);
    ini.writeString("Nevek", "Nev1", QStringLiteral("Zsófia"));
    ini.writeFloat("Beallitas", "Arany", 1.5);
    ini.save();

    EXPECT_EQ(readDataFile("Test.ini"),
              "[Beallitas]\r\nMozgSeb=16\r\nHang=1\r\nArany=1.5\r\n\r\n[Nevek]\r\nNev1=Zs\xf3"
              "fia\r\n");
    const IniFile reread(dataPath("Test.ini"));
    EXPECT_EQ(reread.readInteger("Beallitas", "MozgSeb", 0), 16);
    EXPECT_TRUE(reread.readBool("Beallitas", "Hang", false));
    EXPECT_EQ(reread.readString("Nevek", "Nev1", {}), QStringLiteral("Zsófia"));
    EXPECT_DOUBLE_EQ(reread.readFloat("Beallitas", "Arany", 0), 1.5);
}

TEST_F(IniFileTest, NamesAreCaseInsensitiveAndTheFirstOfTwoEqualKeysWins)
{
    writeDataFile("Test.ini", "[beallitas]\nmozgseb=9\nMOZGSEB=20\n");
    const IniFile ini(dataPath("Test.ini"));
    EXPECT_EQ(ini.readInteger("Beallitas", "MozgSeb", 0), 9);
}

TEST_F(IniFileTest, RewriteKeepsOtherSectionsKeysAndRawBytesInOrder)
{
    writeDataFile("Test.ini",
                  "[Other]\r\nzeta=1\r\nalpha=\xf5\xfb\r\n[Beallitas]\r\nHang=0\r\nKept=x\r\n");
    IniFile ini(dataPath("Test.ini"));
    ini.writeBool("Beallitas", "Hang", true);
    ini.save();
    EXPECT_EQ(readDataFile("Test.ini"),
              "[Other]\r\nzeta=1\r\nalpha=\xf5\xfb\r\n\r\n[Beallitas]\r\nHang=1\r\nKept=x\r\n");
}

TEST_F(IniFileTest, MissingFileOrMalformedValuesGiveTheDefaults)
{
    const IniFile missing(dataPath("Nothing.ini"));
    EXPECT_EQ(missing.readInteger("Beallitas", "MozgSeb", 16), 16);
    EXPECT_EQ(missing.readString("Beallitas", "Name", "def"), "def");
    EXPECT_FALSE(missing.hasKey("Beallitas", "MozgSeb"));

    writeDataFile("Bad.ini", "[B]\nnumber=12abc\nhuge=99999999999\nempty=\nreal=2,25\n");
    const IniFile bad(dataPath("Bad.ini"));
    EXPECT_EQ(bad.readInteger("B", "number", -1), -1);
    EXPECT_EQ(bad.readInteger("B", "huge", -1), -1);
    EXPECT_EQ(bad.readInteger("B", "empty", -1), -1);
    EXPECT_DOUBLE_EQ(bad.readFloat("B", "real", 0), 2.25);
}

TEST_F(IniFileTest, UnwritableFileRaisesTheMessageAndKeepsTheOldFile)
{
    writeDataFile("Test.ini", "[A]\nb=1\n");
    QDir(folder.path()).mkdir("Folder.ini");
    IniFile blocked(dataPath("Folder.ini"));
    blocked.writeInteger("A", "b", 2);
    try {
        blocked.save();
        FAIL() << "a folder cannot be written as a file";
    } catch (const FileError &error) {
        EXPECT_EQ(error.message(), "Unable to write to " + dataPath("Folder.ini"));
    }
    EXPECT_EQ(readDataFile("Test.ini"), "[A]\nb=1\n");
}

// Qt's commit() writes the last buffered bytes and renames even when that write failed; a
// small file is all buffer, a large one is written on the way.
TEST_F(IniFileTest, ASaveThatRunsOutOfSpaceRaisesTheMessageAndKeepsTheOldFile)
{
    const QByteArray old = "[A]\r\nb=1\r\n";
    for (const int keys : {3, 5000}) {
        SCOPED_TRACE(keys);
        writeDataFile("Test.ini", old);
        IniFile ini(dataPath("Test.ini"));
        for (int key = 0; key < keys; ++key)
            ini.writeInteger("Beallitas", QStringLiteral("Key%1").arg(key), key);
        try {
            const FileSizeLimit full(4);
            ini.save();
            ADD_FAILURE() << "the save reported success";
        } catch (const FileError &error) {
            EXPECT_EQ(error.message(), "Unable to write to " + dataPath("Test.ini"));
        }
        EXPECT_EQ(readDataFile("Test.ini"), old);
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"Test.ini"})
            << "the temporary file is gone";
    }
}

TEST_F(IniFileTest, AWholeFileWriteThatRunsOutOfSpaceKeepsTheOldFile)
{
    writeDataFile("Game.kp1", "old bytes");
    try {
        const FileSizeLimit full(4);
        writeWholeFile(dataPath("Game.kp1"), QByteArray(44, 'x'));
        ADD_FAILURE() << "the write reported success";
    } catch (const FileError &error) {
        EXPECT_EQ(error.message(), "Unable to write to " + dataPath("Game.kp1"));
    }
    EXPECT_EQ(readDataFile("Game.kp1"), "old bytes");

    writeWholeFile(dataPath("Game.kp1"), "new");
    EXPECT_EQ(readDataFile("Game.kp1"), "new");
}

// Every rewrite after the first gives the same bytes, and the keys the damage left readable
// keep their values.
TEST_F(IniFileTest, DamagedLinesAreRepairedOrDroppedOnceAndNeverMultiplied)
{
    const struct
    {
        const char *name;
        QByteArray text;
        QList<std::pair<QString, QString>> kept; // section and key that read "v"
    } cases[] = {
        {"section without ]", QByteArray("[A\nk=v\n"), {{"A", "k"}}},
        {"section without ] among others",
         QByteArray("[A]\r\nk=v\r\n[B\r\nj=v\r\n[C]\r\ni=v"),
         {{"A", "k"}, {"B", "j"}, {"C", "i"}}},
        {"lone [", QByteArray("[\n[A]\nk=v\n"), {{"A", "k"}}},
        {"line without =", QByteArray("[A]\nnonsense\nk=v\n=v\n"), {{"A", "k"}}},
        {"key before any section", QByteArray("k=v\n[A]\nk=v\n"), {{"", "k"}, {"A", "k"}}},
        {"NUL bytes and junk",
         bytes("[A]\0k=v\0\0\xff\xfe\x01\n[B\x01\nj=v\r\r\n"),
         {{"A", "k"}, {"B\x01", "j"}}},
        {"zero-filled tail", QByteArray("[A]\r\nk=v\r\n") + QByteArray(64, '\0'), {{"A", "k"}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        writeDataFile("Test.ini", c.text);
        QList<qsizetype> sizes;
        for (int save = 0; save < 3; ++save) {
            saveWithKey(dataPath("Test.ini"), "Seen");
            sizes << readDataFile("Test.ini").size();
        }
        EXPECT_EQ(sizes[1], sizes[0]);
        EXPECT_EQ(sizes[2], sizes[0]);
        const IniFile reread(dataPath("Test.ini"));
        for (const auto &[section, key] : c.kept)
            EXPECT_EQ(reread.readBytes(section, key, {}), "v") << section.toStdString();
        EXPECT_FALSE(readDataFile("Test.ini").contains('\0'));
    }
}

TEST_F(IniFileTest, AValueIsKeptAsTheFileWillGiveItBack)
{
    IniFile ini(dataPath("Test.ini"));
    ini.writeBytes("A", "k", " two\r\nlines\t");
    EXPECT_EQ(ini.readBytes("A", "k", {}), "two  lines");
    const double closeToOne = 1.0000000000000002;
    ini.writeFloat("A", "f", closeToOne);
    ini.save();
    const IniFile reread(dataPath("Test.ini"));
    EXPECT_EQ(reread.readBytes("A", "k", {}), "two  lines");
    EXPECT_EQ(reread.readFloat("A", "f", 0), closeToOne);
}

// Written over, the file would lose every entry that could not be read.
TEST_F(IniFileTest, AFileThatExistsButCannotBeReadIsNeverWrittenOver)
{
    writeDataFile("Golf.ere", "[Palya7x5]\r\nJatSz=3\r\n");
    std::unique_ptr<IniFile> ini;
    {
        const UnreadableFile locked(dataPath("Golf.ere"));
        ini = std::make_unique<IniFile>(dataPath("Golf.ere"));
    }
    EXPECT_TRUE(ini->unreadable());
    EXPECT_EQ(ini->readInteger("Palya7x5", "JatSz", -1), -1) << "reads give their defaults";
    ini->writeInteger("Palya8x5", "JatSz", 1);
    EXPECT_THROW(ini->save(), FileError);
    EXPECT_EQ(readDataFile("Golf.ere"), "[Palya7x5]\r\nJatSz=3\r\n");
    EXPECT_FALSE(IniFile(dataPath("Missing.ini")).unreadable());
}

// A settings file far larger than the program ever writes is refused unread, as an unreadable
// one: its reads give the defaults and it is never written over.
TEST_F(IniFileTest, AFileOverTheSizeLimitIsRefusedUnreadAndNeverWrittenOver)
{
    const QByteArray head = "[Beallitas]\r\nHang=0\r\n";
    for (const qint64 size : {FileLimits::MaxIniFileSize, FileLimits::MaxIniFileSize + 1}) {
        const bool overLimit = size > FileLimits::MaxIniFileSize;
        SCOPED_TRACE(overLimit ? "one byte over the limit" : "at the limit");
        const QByteArray text = sizedIniFile(head, size);
        writeDataFile("Golf.ini", text);
        IniFile ini(dataPath("Golf.ini"));
        EXPECT_EQ(ini.tooLarge(), overLimit);
        EXPECT_EQ(ini.unreadable(), overLimit);
        EXPECT_EQ(ini.readInteger("Beallitas", "Hang", 1), overLimit ? 1 : 0);
        ini.writeInteger("Beallitas", "Hang", 1);
        if (overLimit) {
            EXPECT_THROW(ini.save(), FileError);
            EXPECT_TRUE(readDataFile("Golf.ini") == text) << "the file is kept as it was";
        } else {
            ini.save();
            EXPECT_EQ(readDataFile("Golf.ini"), "[Beallitas]\r\nHang=1\r\n");
        }
    }
}

// Text in memory reads as a file of the same bytes would, limit included, and writes what a save
// of that file would write; having no path, it is never saved anywhere.
TEST_F(IniFileTest, TextInMemoryReadsAndWritesAsTheFileWould)
{
    const QByteArray text = bytes("[Beallitas]\r\nHang=0\r\n[Beallitas\r\nOkos=2,5\r\n\0tail=1\n");
    writeDataFile("Golf.ini", text);
    IniFile onDisk(dataPath("Golf.ini"));
    IniFile inMemory = IniFile::fromText(text);
    for (IniFile *ini : {&onDisk, &inMemory}) {
        EXPECT_EQ(ini->readInteger("Beallitas", "Hang", 1), 0);
        ini->writeInteger("Added", "Key", 7);
    }
    onDisk.save();
    EXPECT_EQ(inMemory.text(), readDataFile("Golf.ini"));
    EXPECT_THROW(inMemory.save(), FileError);

    const IniFile overLimit = IniFile::fromText(sizedIniFile(text, FileLimits::MaxIniFileSize + 1));
    EXPECT_TRUE(overLimit.tooLarge() && overLimit.unreadable());
    EXPECT_EQ(overLimit.readInteger("Beallitas", "Hang", 1), 1);
}

// A file is read whole whatever its size under the limit, also past the size of one piece read.
TEST_F(IniFileTest, AWholeFileReadTakesEveryByteOfALargeFile)
{
    QByteArray large(300 * 1024, 'x');
    for (qsizetype at = 0; at < large.size(); at += 997)
        large[at] = char('a' + at % 26);
    writeDataFile("Large.txt", large);
    const WholeFileRead read = readWholeFile(dataPath("Large.txt"), large.size());
    EXPECT_EQ(read.outcome, WholeFileRead::Read);
    EXPECT_TRUE(read.bytes == large);
    EXPECT_EQ(readWholeFile(dataPath("Large.txt"), large.size() - 1).outcome,
              WholeFileRead::TooLarge);
}

// Reading a device or a pipe might never end, so only plain files are read.
TEST_F(IniFileTest, AWholeFileReadTellsWhyItGaveNothing)
{
    writeDataFile("Limit.txt", "1234");
    writeDataFile("Over.txt", "12345");
    ASSERT_TRUE(QDir(folder.path()).mkdir("Folder.txt"));
    ASSERT_EQ(mkfifo(QFile::encodeName(dataPath("Pipe.txt")).constData(), 0600), 0);
    const struct
    {
        QString path;
        WholeFileRead::Outcome outcome;
    } cases[] = {
        {dataPath("Limit.txt"), WholeFileRead::Read},
        {dataPath("Over.txt"), WholeFileRead::TooLarge},
        {dataPath("Missing.txt"), WholeFileRead::Missing},
        {dataPath("Folder.txt"), WholeFileRead::Unreadable},
        {dataPath("Pipe.txt"), WholeFileRead::Unreadable},
        {QStringLiteral("/dev/zero"), WholeFileRead::Unreadable},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const WholeFileRead read = readWholeFile(c.path, 4);
        EXPECT_EQ(read.outcome, c.outcome);
        EXPECT_EQ(read.bytes, c.outcome == WholeFileRead::Read ? "1234" : "");
    }
}

#include "IniFile.h"
#include "FileError.h"
#include "TempDataDir.h"

#include <QDir>

using IniFileTest = TempDataDir;

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

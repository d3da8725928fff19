#include "DataDir.h"
#include "Application.h"
#include "IniFile.h"
#include "TempDataDir.h"

#include <QDir>
#include <QFile>

namespace {

class DataDirTest : public TempDataDir
{
protected:
    DataDirTest() { setProgramNames(); }
    ~DataDirTest() override
    {
        if (oldDataHome.isNull())
            qunsetenv("XDG_DATA_HOME");
        else
            qputenv("XDG_DATA_HOME", oldDataHome);
    }

    // A folder below the test's own, made with its parents.
    QString made(const QString &path) const
    {
        const QString full = folder.path() + QLatin1Char('/') + path;
        EXPECT_TRUE(QDir().mkpath(full)) << path.toStdString();
        return full + QLatin1Char('/');
    }

    void write(const QString &path) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }

    QByteArray oldDataHome = qgetenv("XDG_DATA_HOME");
};

}

TEST_F(DataDirTest, AProgramBesideItsDataKeepsEverythingInItsFolder)
{
    const QString program = made("build/bin");
    write(program + "Golf.rtf");

    const FileFolders folders = fileFoldersFor(program + "kovra");
    EXPECT_EQ(folders.data, QStringList{program});
    EXPECT_EQ(folders.user, program);
}

// The program's own folder is writable here (as /usr/bin is for root): the installed data folder
// beside it is what makes it an installed program.
TEST_F(DataDirTest, AnInstalledProgramReadsItsShareFolderAndWritesToThePlayersDataFolder)
{
    const QString program = made("root/usr/bin");
    const QString installed = made("root/usr/share/kovra");
    const QString dataHome = made("home/data");
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome.chopped(1)));

    const FileFolders folders = fileFoldersFor(program + "kovra");
    EXPECT_EQ(folders.data, (QStringList{program, installed}));
    EXPECT_EQ(folders.user, dataHome + "kovra/");
}

TEST_F(DataDirTest, DataIsTakenFromTheFirstFolderThatHoldsIt)
{
    const QString beside = made("bin");
    const QString installed = made("share/kovra");
    write(beside + "Golf.rtf");
    write(installed + "Golf.rtf");
    write(installed + "Licit.wav");
    overrideFileFoldersForTests({{beside, installed}, made("user")});

    EXPECT_EQ(DataFile("Golf.rtf"), beside + "Golf.rtf");
    EXPECT_EQ(DataFile("Licit.wav"), installed + "Licit.wav");
    // A missing file is reported where the installed data would be.
    EXPECT_EQ(DataFile("Poker.rtf"), installed + "Poker.rtf");
}

TEST_F(DataDirTest, TheFirstWriteMakesThePlayersDataFolder)
{
    const QString user = folder.path() + "/home/data/kovra/";
    overrideFileFoldersForTests({{made("bin")}, user});

    IniFile settings(UserFile("Golf.ini"));
    settings.writeBool("Beallitas", "Hang", false);
    settings.save();

    EXPECT_FALSE(IniFile(user + "Golf.ini").readBool("Beallitas", "Hang", true));
}

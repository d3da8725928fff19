#include "FileFaults.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    EXPECT_EQ(getrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    struct sigaction ignore
    {
    };
    ignore.sa_handler = SIG_IGN;
    EXPECT_EQ(sigaction(SIGXFSZ, &ignore, &previousAction), 0);
    rlimit lowered = previousLimit;
    lowered.rlim_cur = bytes;
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &lowered), 0);
}

FileSizeLimit::~FileSizeLimit()
{
    EXPECT_EQ(setrlimit(RLIMIT_FSIZE, &previousLimit), 0);
    EXPECT_EQ(sigaction(SIGXFSZ, &previousAction, nullptr), 0);
}

UnreadableFile::UnreadableFile(const QString &path)
    : filePath(path)
    , folderPath(QFileInfo(path).absolutePath())
    , filePermissions(QFile::permissions(path))
    , folderPermissions(QFile::permissions(folderPath))
{
    EXPECT_TRUE(QFile::setPermissions(filePath, {}));
    if (geteuid() != 0)
        return;
    // The other user still finds the file in its folder.
    EXPECT_TRUE(
        QFile::setPermissions(folderPath, folderPermissions | QFile::ExeGroup | QFile::ExeOther));
    actingAsNobody = seteuid(Nobody) == 0;
    EXPECT_TRUE(actingAsNobody);
}

UnreadableFile::~UnreadableFile()
{
    if (actingAsNobody) {
        EXPECT_EQ(seteuid(0), 0);
    }
    QFile::setPermissions(folderPath, folderPermissions);
    QFile::setPermissions(filePath, filePermissions);
}

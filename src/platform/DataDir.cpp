#include "DataDir.h"

#include <QDir>
#include <QFileInfo>

namespace {
QString dataDir;

QString withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
}

QString DataDir()
{
    return dataDir;
}

void initDataDir(const QString &executablePath)
{
    if (dataDir.isEmpty())
        dataDir = withSeparator(QFileInfo(executablePath).absolutePath());
}

void overrideDataDirForTests(const QString &folder)
{
    dataDir = withSeparator(QDir(folder).absolutePath());
}

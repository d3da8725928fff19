#include "TempDataDir.h"

#include "DataDir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

QString TempDataDir::folderTemplate()
{
    const QFileInfo memory(QStringLiteral("/dev/shm"));
    const QString base = memory.isDir() && memory.isWritable() ? memory.filePath() : QDir::tempPath();
    return base + QStringLiteral("/kovra-test-XXXXXX");
}

TempDataDir::TempDataDir()
{
    overrideDataDirForTests(folder.path());
}

QString TempDataDir::dataPath(const QString &fileName) const
{
    return UserFile(fileName);
}

void TempDataDir::writeDataFile(const QString &fileName, const QByteArray &bytes) const
{
    QFile file(dataPath(fileName));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << fileName.toStdString();
    file.write(bytes);
}

QByteArray TempDataDir::readDataFile(const QString &fileName) const
{
    QFile file(dataPath(fileName));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void TempDataDir::copyShippedFile(const QString &fileName) const
{
    const QString shipped = QCoreApplication::applicationDirPath() + QLatin1Char('/') + fileName;
    ASSERT_TRUE(QFile::copy(shipped, dataPath(fileName))) << shipped.toStdString();
}

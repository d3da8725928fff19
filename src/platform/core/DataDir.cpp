#include "DataDir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

FileFolders folders;

// Set by the build: where the installed data lies, relative to the installed program.
const QString InstalledDataFromProgram = QStringLiteral(KOVRA_INSTALLED_DATA_DIR);

QString withSeparator(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

}

QString DataFile(const QString &name)
{
    for (const QString &folder : folders.data) {
        if (QFileInfo::exists(folder + name))
            return folder + name;
    }
    return (folders.data.isEmpty() ? QString() : folders.data.constLast()) + name;
}

QString UserFile(const QString &name)
{
    return folders.user + name;
}

const FileFolders &fileFolders()
{
    return folders;
}

// A program with the installed data folder beside its own is an installed one, even where its
// folder is writable (run by root, say): a system folder is no place for one player's scores.
FileFolders fileFoldersFor(const QString &executablePath)
{
    const QString program = withSeparator(QFileInfo(executablePath).absolutePath());
    const QFileInfo installedData(QDir::cleanPath(program + InstalledDataFromProgram));
    const bool installed = installedData.isDir();
    FileFolders chosen;
    chosen.data << program;
    if (installed)
        chosen.data << withSeparator(installedData.absoluteFilePath());
    const bool besideProgram = !installed && QFileInfo(program).isWritable();
    chosen.user = besideProgram
        ? program
        : withSeparator(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
    return chosen;
}

void initDataDir(const QString &executablePath)
{
    if (folders.data.isEmpty())
        folders = fileFoldersFor(executablePath);
}

void overrideFileFoldersForTests(const FileFolders &chosen)
{
    folders = chosen;
}

void overrideDataDirForTests(const QString &folder)
{
    const QString path = withSeparator(QDir(folder).absolutePath());
    folders = {{path}, path};
}

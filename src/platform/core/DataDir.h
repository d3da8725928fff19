#pragma once

#include <QString>
#include <QStringList>

// Where the program's files live. The data that comes with the program (help texts, sounds,
// icons, wall textures) is read from beside the program when it is there, as in a build or a
// portable copy, else from the installed share folder. The files the program writes (settings,
// best scores, Golf results) stay beside a program that is not installed while its folder is
// writable; an installed program, or one in a folder the player cannot write, keeps them in the
// player's own data folder.

// The full path of a data file that comes with the program.
QString DataFile(const QString &name);
// The full path of a file the program writes; its folder is made by the first write.
QString UserFile(const QString &name);

// The folders behind DataFile and UserFile, each ending with a separator.
struct FileFolders
{
    // Searched in this order; a file found in none is named in the last one.
    QStringList data;
    QString user;
};

const FileFolders &fileFolders();
// The folders of a program at this path, as the files around it are now.
FileFolders fileFoldersFor(const QString &executablePath);

// Set once at start-up from the executable's path; later calls keep the first choice.
void initDataDir(const QString &executablePath);

// Tests point the program at folders of their own.
void overrideFileFoldersForTests(const FileFolders &folders);
// Both kinds of file in one folder, as a program beside its data sees them.
void overrideDataDirForTests(const QString &folder);

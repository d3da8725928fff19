#pragma once

#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Points the program's data and its written files at one fresh, empty folder for the length of
// one test.
class TempDataDir : public testing::Test
{
protected:
    TempDataDir();

    // The full path of a file in that folder.
    QString dataPath(const QString &fileName) const;
    void writeDataFile(const QString &fileName, const QByteArray &bytes) const;
    QByteArray readDataFile(const QString &fileName) const;
    // Copies a file that the build places beside the program (help texts, sounds, icons).
    void copyShippedFile(const QString &fileName) const;

    // On a memory file system where there is one: the games keep their state as they go, and
    // a disk would sync every file of thousands of turns.
    QTemporaryDir folder{folderTemplate()};

private:
    static QString folderTemplate();
};

#pragma once

#include "IniFile.h"

#include <QString>
#include <functional>

// The player's record of every game, "Statistics.ini" among his own files: counts in sections
// and keys of stable English names that no translation touches. Each change opens the file,
// changes it and writes it whole, so a program that is killed loses nothing already counted.
// A file that cannot be read is set aside, never written over, and a new record begins.
class StatisticsFile
{
public:
    static QString defaultPath();
    explicit StatisticsFile(const QString &path = defaultPath());

    // Where an unreadable file was put, or, when it could not be moved, an empty string while
    // stuck() is true: then nothing is written. Both are empty for a file that read well.
    const QString &setAsideAs() const { return aside; }
    bool stuck() const { return cannotWrite; }
    // The one sentence the player is told about a file that could not be read; empty when
    // there is nothing to tell.
    QString problem() const;

    // Counts are whole numbers of at most 18 digits; anything else reads as the default.
    qint64 count(const QString &section, const QString &key, qint64 def = 0) const;
    void setCount(const QString &section, const QString &key, qint64 value);
    QString text(const QString &section, const QString &key) const;
    void setText(const QString &section, const QString &key, const QString &value);
    void erase(const QString &section);

    // Writes the whole file or leaves the old one; throws FileError. Does nothing while stuck.
    void save() const;

private:
    IniFile file;
    QString aside;
    bool cannotWrite = false;
};

// Opens the statistics file for a window, each time anew, and tells the player once about a
// file that could not be read.
class StatisticsOpener
{
public:
    explicit StatisticsOpener(QString path = StatisticsFile::defaultPath());

    // Told the one sentence about a statistics file that could not be read, and what went
    // wrong with a write.
    std::function<void(const QString &)> tell;

    StatisticsFile open();
    // Runs one step on the file; a write that fails is told and the game goes on.
    void count(const std::function<void(StatisticsFile &)> &step);

private:
    QString path;
    bool told = false;
};

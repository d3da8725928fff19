#include "StatisticsFile.h"

#include "DataDir.h"
#include "FileError.h"
#include "WholeFile.h"

#include <QFileInfo>

QString StatisticsFile::defaultPath()
{
    return UserFile(QStringLiteral("Statistics.ini"));
}

StatisticsFile::StatisticsFile(const QString &path)
    : file(path)
{
    if (!file.unreadable())
        return;
    aside = setAside(path);
    cannotWrite = aside.isEmpty();
    file = IniFile(path);
    cannotWrite = cannotWrite || file.unreadable();
}

QString StatisticsFile::problem() const
{
    if (cannotWrite)
        return QStringLiteral("The statistics file %1 cannot be read, so no game is counted "
                              "until it is mended or removed.")
            .arg(file.path());
    if (!aside.isEmpty())
        return QStringLiteral("The statistics file could not be read, so it was put aside as %1 "
                              "and a new record begins.")
            .arg(QFileInfo(aside).fileName());
    return {};
}

qint64 StatisticsFile::count(const QString &section, const QString &key, qint64 def) const
{
    constexpr qsizetype MostDigits = 18;
    const QByteArray stored = file.readBytes(section, key, {});
    const bool negative = stored.startsWith('-');
    const QByteArray digits = negative ? stored.mid(1) : stored;
    if (digits.isEmpty() || digits.size() > MostDigits)
        return def;
    for (const char digit : digits)
        if (digit < '0' || digit > '9')
            return def;
    const qint64 value = digits.toLongLong();
    return negative ? -value : value;
}

void StatisticsFile::setCount(const QString &section, const QString &key, qint64 value)
{
    file.writeInteger(section, key, value);
}

QString StatisticsFile::text(const QString &section, const QString &key) const
{
    return file.readString(section, key, {});
}

void StatisticsFile::setText(const QString &section, const QString &key, const QString &value)
{
    file.writeString(section, key, value);
}

void StatisticsFile::erase(const QString &section)
{
    file.eraseSection(section);
}

void StatisticsFile::save() const
{
    if (!cannotWrite)
        file.save();
}

StatisticsOpener::StatisticsOpener(QString path)
    : path(std::move(path))
{ }

StatisticsFile StatisticsOpener::open()
{
    StatisticsFile file(path);
    if (!told && tell && !file.problem().isEmpty()) {
        told = true;
        tell(file.problem());
    }
    return file;
}

void StatisticsOpener::count(const std::function<void(StatisticsFile &)> &step)
{
    try {
        StatisticsFile file = open();
        step(file);
    } catch (const FileError &error) {
        if (tell)
            tell(error.message());
    }
}

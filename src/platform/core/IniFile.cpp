#include "IniFile.h"

#include "AnsiText.h"
#include "FileError.h"
#include "FileLimits.h"
#include "WholeFile.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <SimpleIni.h>
#include <utility>

namespace {

bool isLineEnd(char byte)
{
    return byte == '\r' || byte == '\n';
}

// The blanks that reading drops around names and values.
bool isBlank(char byte)
{
    return byte == ' ' || byte == '\t';
}

// Damaged lines made plain before the parser sees them, so that a rewrite repeats nothing. A
// section line that lacks its "]" gets one: the parser would otherwise take the following lines
// into the section's name, and each rewrite would add one more. A NUL ends its line, so what
// follows it is still read.
QByteArray repaired(QByteArray text)
{
    text.replace('\0', '\n');
    QByteArray result;
    result.reserve(text.size() + 1);
    bool lineStarted = false;
    bool openSection = false;
    const auto endLine = [&] {
        if (openSection)
            result += ']';
        lineStarted = openSection = false;
    };
    for (const char byte : std::as_const(text)) {
        if (isLineEnd(byte)) {
            endLine();
        } else if (!lineStarted && !isBlank(byte)) {
            lineStarted = true;
            openSection = byte == '[';
        } else if (byte == ']') {
            openSection = false;
        }
        result += byte;
    }
    endLine();
    return result;
}

}

QByteArray IniFile::valueAsStored(QByteArray value)
{
    for (char &byte : value) {
        if (isLineEnd(byte) || byte == '\0')
            byte = ' ';
    }
    qsizetype first = 0;
    qsizetype end = value.size();
    while (first < end && isBlank(value[first]))
        ++first;
    while (end > first && isBlank(value[end - 1]))
        --end;
    return value.sliced(first, end - first);
}

struct IniFile::Data
{
    // Case-insensitive names; multi-key so that the first of two equal keys is the one read.
    CSimpleIniA ini{false, true, false};
};

IniFile::IniFile()
    : data(std::make_unique<Data>())
{
    data->ini.SetSpaces(false);
}

IniFile::IniFile(const QString &path)
    : IniFile()
{
    filePath = path;
    load(readWholeFile(path, FileLimits::MaxIniFileSize));
}

IniFile IniFile::fromText(QByteArrayView text)
{
    IniFile file;
    if (text.size() > FileLimits::MaxIniFileSize)
        file.load({WholeFileRead::TooLarge, {}});
    else
        file.load({WholeFileRead::Read, text.toByteArray()});
    return file;
}

void IniFile::load(const WholeFileRead &file)
{
    refusedForSize = file.outcome == WholeFileRead::TooLarge;
    readFailed = refusedForSize || file.outcome == WholeFileRead::Unreadable;
    const QByteArray text = repaired(file.bytes);
    data->ini.LoadData(text.constData(), static_cast<size_t>(text.size()));
}

IniFile::~IniFile() = default;
IniFile::IniFile(IniFile &&) noexcept = default;
IniFile &IniFile::operator=(IniFile &&) noexcept = default;

bool IniFile::hasKey(const QString &section, const QString &key) const
{
    return data->ini.GetValue(section.toLatin1().constData(), key.toLatin1().constData())
        != nullptr;
}

QByteArray IniFile::readBytes(const QString &section, const QString &key,
                              const QByteArray &def) const
{
    const char *value
        = data->ini.GetValue(section.toLatin1().constData(), key.toLatin1().constData());
    return value ? QByteArray(value) : def;
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    return hasKey(section, key) ? AnsiText::decode(readBytes(section, key, {})) : def;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    bool ok = false;
    const int value = readBytes(section, key, {}).trimmed().toInt(&ok, 10);
    return ok ? value : def;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

double IniFile::readFloat(const QString &section, const QString &key, double def) const
{
    bool ok = false;
    const double value = readBytes(section, key, {}).trimmed().replace(',', '.').toDouble(&ok);
    return ok ? value : def;
}

void IniFile::writeBytes(const QString &section, const QString &key, const QByteArray &value)
{
    data->ini.SetValue(section.toLatin1().constData(), key.toLatin1().constData(),
                       valueAsStored(value).constData(), nullptr, true);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    writeBytes(section, key, AnsiText::encode(value));
}

void IniFile::writeInteger(const QString &section, const QString &key, qint64 value)
{
    writeBytes(section, key, QByteArray::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeInteger(section, key, value ? 1 : 0);
}

void IniFile::writeFloat(const QString &section, const QString &key, double value)
{
    // The shortest text that reads back as exactly this number.
    writeBytes(section, key, QByteArray::number(value, 'g', QLocale::FloatingPointShortest));
}

void IniFile::eraseSection(const QString &section)
{
    data->ini.Delete(section.toLatin1().constData(), nullptr);
}

// Sections and keys in the order they were read or first written; Windows line ends, so the
// files stay interchangeable with the Windows version.
QByteArray IniFile::text() const
{
    QByteArray text;
    CSimpleIniA::TNamesDepend sections;
    data->ini.GetAllSections(sections);
    sections.sort(CSimpleIniA::Entry::LoadOrder());
    for (const auto &section : sections) {
        if (!text.isEmpty())
            text += "\r\n";
        text += '[' + QByteArray(section.pItem) + "]\r\n";
        CSimpleIniA::TNamesDepend keys;
        data->ini.GetAllKeys(section.pItem, keys);
        keys.sort(CSimpleIniA::Entry::LoadOrder());
        for (const auto &key : keys)
            text += QByteArray(key.pItem) + '=' + data->ini.GetValue(section.pItem, key.pItem)
                + "\r\n";
    }
    return text;
}

// The player's data folder does not exist until the program first writes there.
void IniFile::save() const
{
    // Written over, a file that could not be read would lose every entry this object never saw.
    if (readFailed || filePath.isEmpty() || !QDir().mkpath(QFileInfo(filePath).absolutePath()))
        throw writeError(filePath);
    writeWholeFile(filePath, text());
}

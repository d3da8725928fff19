#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>

struct WholeFileRead;

// A sectioned settings file (sections in brackets, key=value lines), read and written the way
// the Windows profile functions do it: names are case-insensitive, the first of two equal keys
// wins, values are raw bytes (strings are Windows-1250), and a rewrite keeps every other section
// and key in its order. A missing or unreadable file, or one far larger than any settings file
// (see FileLimits), reads as empty, so every read gives its default. Damaged lines are ignored or
// repaired, so a rewrite gives a clean file that reads back the same. Changes are kept in memory
// until save().
class IniFile
{
public:
    explicit IniFile(const QString &path);
    // The file as one holding these bytes would read, with the same size limit; it has no path,
    // so save() refuses, and text() gives what a save would write.
    static IniFile fromText(QByteArrayView text);
    ~IniFile();
    IniFile(IniFile &&) noexcept;
    IniFile &operator=(IniFile &&) noexcept;

    const QString &path() const { return filePath; }
    // The file exists but could not be read, or was too large to read; save() will not
    // replace it.
    bool unreadable() const { return readFailed; }
    // The file was refused unread for its size.
    bool tooLarge() const { return refusedForSize; }

    bool hasKey(const QString &section, const QString &key) const;
    QByteArray readBytes(const QString &section, const QString &key, const QByteArray &def) const;
    QString readString(const QString &section, const QString &key, const QString &def) const;
    // Text that is no decimal integer (or is out of range) gives the default.
    int readInteger(const QString &section, const QString &key, int def) const;
    // Any integer other than 0 is true.
    bool readBool(const QString &section, const QString &key, bool def) const;
    // Either '.' or ',' is taken as the decimal separator.
    double readFloat(const QString &section, const QString &key, double def) const;

    // What a value reads back as once written: line breaks become blanks, and blanks at either
    // end are dropped.
    static QByteArray valueAsStored(QByteArray value);

    // Values are kept as the file will give them back (see valueAsStored).
    void writeBytes(const QString &section, const QString &key, const QByteArray &value);
    void writeString(const QString &section, const QString &key, const QString &value);
    void writeInteger(const QString &section, const QString &key, qint64 value);
    void writeBool(const QString &section, const QString &key, bool value);
    // Written so that it reads back as exactly the same number.
    void writeFloat(const QString &section, const QString &key, double value);
    void eraseSection(const QString &section);

    // Writes the whole file or leaves the old one as it was, making its folder first when
    // needed; throws FileError "Unable to write to " + path.
    void save() const;
    // The whole file as save() writes it.
    QByteArray text() const;

private:
    IniFile();
    void load(const WholeFileRead &file);

    struct Data;
    QString filePath;
    std::unique_ptr<Data> data;
    bool readFailed = false;
    bool refusedForSize = false;
};

#pragma once

#include <QString>
#include <stdexcept>

// A data file that could not be read or written; the message is meant for the player.
class FileError : public std::runtime_error
{
public:
    explicit FileError(const QString &message)
        : std::runtime_error(message.toStdString())
        , text(message)
    { }
    const QString &message() const { return text; }

private:
    QString text;
};

// The message for a file that could not be written, as the player has always seen it.
inline FileError writeError(const QString &path)
{
    return FileError(QStringLiteral("Unable to write to ") + path);
}

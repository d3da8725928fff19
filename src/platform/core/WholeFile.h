#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Replaces a file with new bytes, whole or not at all: they go to a temporary file beside it,
// which takes the file's place only when every byte reached it. Otherwise the old file stays
// as it was, byte for byte, and FileError "Unable to write to " + path is thrown.
void writeWholeFile(const QString &path, QByteArrayView bytes);

struct WholeFileRead
{
    enum Outcome { Read, Missing, Unreadable, TooLarge };

    Outcome outcome = Missing;
    QByteArray bytes; // Read: the whole file
};

// Whether a file may be read, found before any of it is: Read when it is a plain file of at most
// sizeLimit bytes. Anything but a plain file (a folder, a device, a pipe) counts as unreadable:
// reading it might never end.
WholeFileRead::Outcome wholeFileCheck(const QString &path, qint64 sizeLimit);

// Reads a file whole unless it is missing, cannot be read, or holds more than sizeLimit bytes,
// as wholeFileCheck finds.
WholeFileRead readWholeFile(const QString &path, qint64 sizeLimit);

// Moves an unreadable file out of the way under a name not taken yet, beside it
// ("Name.unreadable-1.ext"); the new path, or an empty one when it could not be moved.
QString setAside(const QString &path);

#pragma once

#include <QByteArrayView>
#include <QString>

// Replaces a file with new bytes, whole or not at all: they go to a temporary file beside it,
// which takes the file's place only when every byte reached it. Otherwise the old file stays
// as it was, byte for byte, and FileError "Unable to write to " + path is thrown.
void writeWholeFile(const QString &path, QByteArrayView bytes);

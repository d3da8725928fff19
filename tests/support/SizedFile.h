#pragma once

#include <QByteArray>

// Files of an exact size, for the readers' size limits.

// head followed by as many filler bytes as take it to size.
QByteArray sizedFile(const QByteArray &head, qint64 size, char filler);
// Ini text that reads as head alone: a comment line at its end takes it to size.
QByteArray sizedIniFile(const QByteArray &head, qint64 size);

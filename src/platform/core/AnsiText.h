#pragma once

#include <QByteArray>
#include <QString>

// Names in the data files are Windows-1250 bytes; the program works with QString.
namespace AnsiText {
QString decode(const QByteArray &bytes);
// Characters that have no Windows-1250 byte become '?'; every other one keeps its byte.
QByteArray encode(const QString &text);
// The first letter of the text that has no Windows-1250 byte, empty when every one has.
QString firstUnencodable(const QString &text);
}

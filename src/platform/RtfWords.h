#pragma once

#include <QByteArray>
#include <QChar>

// What the RTF control words that need no number mean to the reader.
namespace RtfWords {

// Groups such as pictures, headers and document information that hold no visible text.
bool isSkippedDestination(const QByteArray &word);

// Words that stand for one character (\tab, \emdash ...); a null character for other words.
QChar specialCharacter(const QByteArray &word);

// \par and the breaks shown as a new paragraph here (table rows, pages, sections).
bool endsParagraph(const QByteArray &word);

}

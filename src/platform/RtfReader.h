#pragma once

#include "WholeFile.h"

#include <QByteArrayView>
#include <QString>

class QTextDocument;

// Reads rich text (RTF) into a document, replacing what it held: text, paragraphs, character
// formatting (bold, italic, underline, size, colour, font), alignment, indents, spacing and
// tab stops. Pictures, headers, style sheets and the like are passed over. Damaged or cut-off
// input shows as much as could be read; input that is not RTF at all shows as plain
// Windows-1250 text. The document lays out in time linear in its size: a word too long for any
// line gets invisible break opportunities (LongWords), and a paragraph of very many tabs the
// standard tab stops.
void readRtf(QByteArrayView source, QTextDocument &document);

// Reads an RTF file into the document, as readRtf does. A file that is missing, cannot be read
// or is larger than any help text should be (FileLimits) leaves the document as it was, and the
// outcome says which.
WholeFileRead::Outcome readRtfFile(const QString &path, QTextDocument &document);

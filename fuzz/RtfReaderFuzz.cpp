// RTF text into the reader of the help files: whatever it is given, it neither crashes nor
// leaks, and it ends.

#include "FuzzSupport.h"
#include "RtfReader.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument document;
    readRtf(QByteArrayView(data, static_cast<qsizetype>(size)), document);
    // Laying the text out would spend the time in font matching for invented font names, not
    // in the reader.
    document.toRawText();
    return 0;
}

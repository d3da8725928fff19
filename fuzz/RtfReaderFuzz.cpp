// An RTF file into the reader of the help files, in memory: whatever it is given, it neither
// crashes nor leaks, and it ends; a file over the size limit is not read at all.

#include "DataDir.h"
#include "FileLimits.h"
#include "FuzzSupport.h"
#include "RtfReader.h"

#include <QTextDocument>

namespace {

const QString FileName = QStringLiteral("Help.rtf");

}

QByteArray overLimitInput()
{
    return overLimitFile("{\\rtf1 ", FileLimits::MaxHelpTextSize, 'x');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    QTextDocument document;
    if (qint64(size) > FileLimits::MaxHelpTextSize) {
        // On disk, as the help viewer meets it: refused unread.
        writeDataFile(FileName, bytes.toByteArray());
        FUZZ_EXPECT(readRtfFile(UserFile(FileName), document) == WholeFileRead::TooLarge);
        FUZZ_EXPECT(document.isEmpty());
        return 0;
    }
    readRtf(bytes, document);
    // Laying the text out would spend the time in font matching for invented font names, not
    // in the reader.
    document.toRawText();
    return 0;
}

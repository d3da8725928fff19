#include "RtfReader.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstddef>
#include <cstdint>

// Fontconfig and Qt keep caches until the process ends; leaks in the reader are still found.
extern "C" const char *__lsan_default_suppressions()
{
    return "leak:libfontconfig\n"
           "leak:libQt6\n";
}

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Text documents need the application object for the whole run.
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QTextDocument document;
    readRtf(QByteArrayView(data, static_cast<qsizetype>(size)), document);
    // Laying the text out would spend the time in font matching for invented font names, not
    // in the reader.
    document.toRawText();
    return 0;
}

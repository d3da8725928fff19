#include "AnsiText.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace AnsiText {

QString decode(const QByteArray &bytes)
{
    QStringDecoder decoder("windows-1250");
    return decoder.isValid() ? decoder.decode(bytes) : QString::fromLatin1(bytes);
}

QByteArray encode(const QString &text)
{
    QStringEncoder encoder("windows-1250");
    if (!encoder.isValid())
        return text.toLatin1();
    // The converter writes the control character SUB for a letter the code page lacks. Taken
    // letter by letter, those become '?', while a SUB that stands in the text keeps its byte.
    constexpr char32_t Sub = 0x1a;
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t letter : text.toUcs4()) {
        const QByteArray encoded = encoder.encode(QString::fromUcs4(&letter, 1));
        bytes += encoded == QByteArrayView("\x1a") && letter != Sub ? QByteArray("?") : encoded;
    }
    return bytes;
}

}

#include "AnsiText.h"

#include <QList>
#include <QStringDecoder>
#include <QStringEncoder>

namespace AnsiText {

namespace {

// Opened once a thread: opening a converter costs far more than a name's worth of converting.
// The code page has one byte a letter, so nothing carries over from one call to the next.
QStringDecoder &decoder()
{
    thread_local QStringDecoder converter("windows-1250", QStringConverter::Flag::Stateless);
    return converter;
}

QStringEncoder &encoder()
{
    thread_local QStringEncoder converter("windows-1250", QStringConverter::Flag::Stateless);
    return converter;
}

} // namespace

QString decode(const QByteArray &bytes)
{
    return decoder().isValid() ? decoder().decode(bytes) : QString::fromLatin1(bytes);
}

namespace {

constexpr char32_t Sub = 0x1a;

// The converter writes the control character SUB for a letter the code page lacks; a SUB that
// stands in the text keeps its byte.
bool lacks(const QByteArray &encoded, char32_t letter)
{
    return encoded == QByteArrayView("\x1a") && letter != Sub;
}

}

QByteArray encode(const QString &text)
{
    QStringEncoder &encoder = AnsiText::encoder();
    if (!encoder.isValid())
        return text.toLatin1();
    // Taken letter by letter, so each letter the code page lacks becomes one '?'.
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const char32_t letter : text.toUcs4()) {
        const QByteArray encoded = encoder.encode(QString::fromUcs4(&letter, 1));
        bytes += lacks(encoded, letter) ? QByteArray("?") : encoded;
    }
    return bytes;
}

QString firstUnencodable(const QString &text)
{
    QStringEncoder &encoder = AnsiText::encoder();
    for (const char32_t letter : text.toUcs4()) {
        const QString single = QString::fromUcs4(&letter, 1);
        if (encoder.isValid() ? lacks(encoder.encode(single), letter) : letter > 0xff)
            return single;
    }
    return {};
}

}

#include "AnsiText.h"

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
    QByteArray bytes = encoder.isValid() ? QByteArray(encoder.encode(text)) : text.toLatin1();
    // The converter substitutes the control character SUB for letters the code page lacks.
    bytes.replace('\x1a', '?');
    return bytes;
}

}

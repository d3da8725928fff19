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
    QStringEncoder encoder("windows-1250", QStringConverter::Flag::Default);
    if (!encoder.isValid())
        return text.toLatin1();
    QByteArray bytes = encoder.encode(text);
    return bytes;
}

}

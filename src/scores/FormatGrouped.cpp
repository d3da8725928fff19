#include "FormatGrouped.h"

namespace {
constexpr int GroupSize = 3;
}

QString FormatGrouped(qint64 value)
{
    // Unsigned, so that the smallest 64-bit value has a magnitude too.
    quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : static_cast<quint64>(value);
    QString digits;
    int inGroup = 0;
    do {
        if (inGroup == GroupSize) {
            digits.prepend(QLatin1Char(' '));
            inGroup = 0;
        }
        digits.prepend(QLatin1Char(static_cast<char>('0' + magnitude % 10)));
        magnitude /= 10;
        ++inGroup;
    } while (magnitude != 0);
    return value < 0 ? QLatin1Char('-') + digits : digits;
}

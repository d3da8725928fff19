#include "LongWords.h"

namespace {

constexpr QChar ZeroWidthSpace(0x200B);

// The places where a line may break that the text itself brings.
bool breaksRun(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == QChar::LineSeparator
        || c == QChar::ParagraphSeparator || c == ZeroWidthSpace;
}

}

QString LongWords::broken(const QString &text)
{
    QString result;
    result.reserve(text.size() + text.size() / MaxRun);
    for (const QChar c : text) {
        if (breaksRun(c)) {
            run = 0;
        } else if (++run > MaxRun) {
            result += ZeroWidthSpace;
            run = 1;
        }
        result += c;
    }
    return result;
}

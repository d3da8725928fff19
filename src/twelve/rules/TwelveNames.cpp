#include "TwelveNames.h"

namespace {

bool isBlankOrControl(QChar c)
{
    return c.isSpace() || c.category() == QChar::Other_Control;
}

}

QString tidiedName(const QString &typed)
{
    qsizetype first = 0;
    qsizetype end = typed.size();
    while (first < end && isBlankOrControl(typed[first]))
        ++first;
    while (end > first && isBlankOrControl(typed[end - 1]))
        --end;
    QString name = typed.mid(first, std::min<qsizetype>(end - first, PlayerNameLength));
    // Half of a letter outside the basic plane is no letter at all.
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    return name;
}

bool namesDiffer(const PerSeat<QString> &names)
{
    for (int seat = 1; seat < SeatCount; ++seat)
        for (int other = seat + 1; other <= SeatCount; ++other)
            if (names[seat] == names[other])
                return false;
    return true;
}

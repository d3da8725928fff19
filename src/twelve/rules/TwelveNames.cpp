#include "TwelveNames.h"

#include "AnsiText.h"

namespace {

bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control;
}

}

QString tidiedName(const QString &typed)
{
    // A pasted tab or line break inside a name would show as nothing, or break the table's line.
    QString kept = typed;
    kept.removeIf(isControl);
    QString name = kept.trimmed().left(PlayerNameLength);
    // Half of a letter outside the basic plane is no letter at all.
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    // The cut may have left a blank at the end.
    return name.trimmed();
}

bool namesDiffer(const PerSeat<QString> &names)
{
    for (int seat = 1; seat < SeatCount; ++seat)
        for (int other = seat + 1; other <= SeatCount; ++other)
            if (names[seat] == names[other])
                return false;
    return true;
}

bool namesPlayable(const PerSeat<QString> &names)
{
    for (int seat = 1; seat <= SeatCount; ++seat)
        if (tidiedName(names[seat]) != names[seat]
            || !AnsiText::firstUnencodable(names[seat]).isEmpty())
            return false;
    return namesDiffer(names);
}

#include "GolfResults.h"

#include "DataDir.h"
#include "IniFile.h"

#include <algorithm>
#include <limits>

namespace {

const QString GamesKey = QStringLiteral("JatSz");

QString resultsPath()
{
    return UserFile(QStringLiteral("Golf.ere"));
}

}

QString GolfResultsFile::section(GolfLayout layout)
{
    return QStringLiteral("Palya%1x%2").arg(layout.columns).arg(layout.rows);
}

QString GolfResultsFile::bucketKey(int cardsLeft)
{
    if (cardsLeft == 0)
        return QStringLiteral("Lap_0_0");
    const int lo = (cardsLeft - 1) / BucketWidth * BucketWidth + 1;
    return QStringLiteral("Lap_%1_%2").arg(lo).arg(lo + BucketWidth - 1);
}

std::array<QString, GolfResultsFile::ShownRows> GolfResultsFile::shownKeys()
{
    std::array<QString, ShownRows> keys;
    keys[0] = bucketKey(0);
    for (int i = 1; i <= ShownBuckets; ++i)
        keys[i] = bucketKey(i * BucketWidth);
    keys[ShownRows - 1] = GamesKey;
    return keys;
}

void GolfResultsFile::RecordResult(GolfLayout layout, int cardsLeft, int delta)
{
    IniFile file(resultsPath());
    recordResult(file, layout, cardsLeft, delta);
    file.save();
}

void GolfResultsFile::recordResult(IniFile &file, GolfLayout layout, int cardsLeft, int delta)
{
    const QString name = section(layout);
    for (const QString &key : {bucketKey(cardsLeft), GamesKey})
        file.writeInteger(name, key,
                          std::clamp<qint64>(qint64(file.readInteger(name, key, 0)) + delta, 0,
                                             std::numeric_limits<int>::max()));
}

std::array<int, GolfResultsFile::ShownRows> GolfResultsFile::shownResults(GolfLayout layout) const
{
    return shownResults(IniFile(resultsPath()), layout);
}

std::array<int, GolfResultsFile::ShownRows> GolfResultsFile::shownResults(const IniFile &file,
                                                                          GolfLayout layout)
{
    const QString name = section(layout);
    std::array<int, ShownRows> values;
    const auto keys = shownKeys();
    std::transform(keys.begin(), keys.end(), values.begin(),
                   [&](const QString &key) { return file.readInteger(name, key, 0); });
    return values;
}

void GolfResultsFile::clearShownResults(GolfLayout layout)
{
    IniFile file(resultsPath());
    for (const QString &key : shownKeys())
        file.writeInteger(section(layout), key, 0);
    file.save();
}

// A "Golf.ere" through RecordResult: the finished game's bucket and the games count move by one
// (never below zero, never past the largest integer), nothing else in the file changes, and a
// result counted and taken back leaves the file as it was. A file over the size limit reads as
// no results and is never written over.
//
// Input: columns, rows, cards left, +1 or -1, then the file.

#include "DataDir.h"
#include "FileLimits.h"
#include "FuzzSupport.h"
#include "GolfResults.h"
#include "IniFile.h"

#include <QList>
#include <algorithm>
#include <limits>

namespace {

constexpr int Largest = std::numeric_limits<int>::max();
const QString FileName = QStringLiteral("Golf.ere");
const QString GamesKey = QStringLiteral("JatSz");

struct Entry
{
    QString section;
    QString key;
};

// Every key of every layout the game can record.
QList<Entry> allEntries()
{
    QList<Entry> entries;
    for (int columns = 1; columns <= GolfLayout::MaxColumns; ++columns) {
        for (int rows = 1; rows <= GolfLayout::MaxRows; ++rows) {
            const QString section = GolfResultsFile::section({columns, rows});
            entries.append({section, GamesKey});
            for (int cardsLeft = 0; cardsLeft <= GolfLayout::DeckSize;
                 cardsLeft += cardsLeft == 0 ? 1 : GolfResultsFile::BucketWidth)
                entries.append({section, GolfResultsFile::bucketKey(cardsLeft)});
        }
    }
    return entries;
}

QList<int> valuesOf(const QList<Entry> &entries)
{
    const IniFile file(UserFile(FileName));
    QList<int> values;
    for (const Entry &entry : entries)
        values << file.readInteger(entry.section, entry.key, 0);
    return values;
}

}

QByteArray overLimitInput()
{
    const QByteArray sevenByFiveTwelveLeftCounted("\x06\x04\x0c\x00", 4);
    return sevenByFiveTwelveLeftCounted
        + overLimitFile("[Palya7x5]\r\nJatSz=4\r\n;", FileLimits::MaxIniFileSize, 'x');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static const QList<Entry> entries = allEntries();
    FuzzInput input(data, size);
    GolfLayout layout;
    layout.columns = input.takeInRange(1, GolfLayout::MaxColumns);
    layout.rows = std::min(input.takeInRange(1, GolfLayout::MaxRows),
                           GolfLayout::DeckSize / layout.columns);
    const int cardsLeft = input.takeInRange(0, GolfLayout::DeckSize - 1);
    const int delta = input.takeByte() % 2 == 0 ? +1 : -1;
    const QByteArray file = input.rest();
    writeDataFile(FileName, file);

    const QList<int> before = valuesOf(entries);
    GolfResultsFile results;
    if (overIniLimit(file.size())) {
        FUZZ_EXPECT(
            std::all_of(before.begin(), before.end(), [](int value) { return value == 0; }));
        expectWriteRefused(FileName, [&] { results.RecordResult(layout, cardsLeft, delta); });
        return 0;
    }
    results.RecordResult(layout, cardsLeft, delta);
    const QList<int> after = valuesOf(entries);
    const QString section = GolfResultsFile::section(layout);
    for (qsizetype index = 0; index < entries.size(); ++index) {
        const Entry &entry = entries[index];
        const bool counted = entry.section == section
            && (entry.key == GamesKey || entry.key == GolfResultsFile::bucketKey(cardsLeft));
        const qint64 expected = counted
            ? std::clamp<qint64>(qint64(before[index]) + delta, 0, Largest)
            : before[index];
        FUZZ_EXPECT(after[index] == expected);
    }
    const auto shown = results.shownResults(layout);
    FUZZ_EXPECT(shown.back() == IniFile(UserFile(FileName)).readInteger(section, GamesKey, 0));
    expectStableRewrite(FileName);

    // Counted once more and taken back: the same file, unless a count stood at the largest.
    const QByteArray recorded = readDataFile(FileName);
    const bool roomToCount
        = std::all_of(after.begin(), after.end(), [](int value) { return value < Largest; });
    results.RecordResult(layout, cardsLeft, +1);
    results.RecordResult(layout, cardsLeft, -1);
    FUZZ_EXPECT(!roomToCount || readDataFile(FileName) == recorded);
    return 0;
}

// A "Golf.ere" through RecordResult, in memory: the finished game's bucket and the games count move
// by one (never below zero, never past the largest integer), nothing else in the file changes, and
// a result counted and taken back leaves the file as it was. A file over the size limit reads as no
// results and is never written over (on disk: the replay gives it, the fuzzer's inputs stay below
// the limit).
//
// Input: columns, rows, cards left, +1 or -1, then the file.

#include "DataDir.h"
#include "FileLimits.h"
#include "FuzzSupport.h"
#include "GolfResults.h"
#include "IniFile.h"

#include <algorithm>
#include <limits>

namespace {

constexpr int Largest = std::numeric_limits<int>::max();
const QString FileName = QStringLiteral("Golf.ere");
const QString GamesKey = QStringLiteral("JatSz");

} // namespace

QByteArray overLimitInput()
{
    const QByteArray sevenByFiveTwelveLeftCounted("\x06\x04\x0c\x00", 4);
    return sevenByFiveTwelveLeftCounted
        + overLimitFile("[Palya7x5]\r\nJatSz=4\r\n;", FileLimits::MaxIniFileSize, 'x');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    FuzzInput input(data, size);
    GolfLayout layout;
    layout.columns = input.takeInRange(1, GolfLayout::MaxColumns);
    layout.rows = std::min(input.takeInRange(1, GolfLayout::MaxRows),
                           GolfLayout::DeckSize / layout.columns);
    const int cardsLeft = input.takeInRange(0, GolfLayout::DeckSize - 1);
    const int delta = input.takeByte() % 2 == 0 ? +1 : -1;
    const QByteArray text = input.rest();
    IniFile file = IniFile::fromText(text);

    if (file.tooLarge()) {
        FUZZ_EXPECT(file.text().isEmpty());
        writeDataFile(FileName, text);
        GolfResultsFile results;
        expectWriteRefused(FileName, [&] { results.RecordResult(layout, cardsLeft, delta); });
        return 0;
    }
    // What the file should become: the two counts moved, everything else as it reads.
    const QString section = GolfResultsFile::section(layout);
    const QString counted[] = {GolfResultsFile::bucketKey(cardsLeft), GamesKey};
    IniFile expected = IniFile::fromText(text);
    bool roomToCount = true;
    for (const QString &key : counted) {
        const qint64 count
            = std::clamp<qint64>(qint64(file.readInteger(section, key, 0)) + delta, 0, Largest);
        expected.writeInteger(section, key, count);
        roomToCount = roomToCount && count < Largest;
    }

    GolfResultsFile::recordResult(file, layout, cardsLeft, delta);
    const QByteArray recorded = file.text();
    FUZZ_EXPECT(recorded == expected.text());
    IniFile reread = rereadStable(file);
    const auto shown = GolfResultsFile::shownResults(reread, layout);
    FUZZ_EXPECT(shown.back() == reread.readInteger(section, GamesKey, 0));

    // Counted once more and taken back: the same file, unless a count stood at the largest.
    GolfResultsFile::recordResult(reread, layout, cardsLeft, +1);
    GolfResultsFile::recordResult(reread, layout, cardsLeft, -1);
    FUZZ_EXPECT(!roomToCount || reread.text() == recorded);
    return 0;
}

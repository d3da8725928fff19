// Ini text as "Golf.ini" into the Golf settings reader, in memory: every value it gives is in
// its range, the window can be placed with them, and what it writes reads back the same. A file
// over the size limit gives the defaults and is never written over (on disk: the replay gives
// it, the fuzzer's inputs stay below the limit).

#include "FileLimits.h"
#include "FuzzSupport.h"
#include "GolfSettings.h"
#include "GolfWindowPlacement.h"
#include "IniFile.h"

#include <QRect>

namespace {

bool within(int value, int lowest, int highest)
{
    return value >= lowest && value <= highest;
}

}

QByteArray overLimitInput()
{
    return overLimitFile("[Beallitas]\r\nAktOszlSzam=10\r\n;", FileLimits::MaxIniFileSize, 'x');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView text(data, qsizetype(size));
    IniFile file = IniFile::fromText(text);
    const GolfSettings read = readGolfSettings(file);
    FUZZ_EXPECT(within(read.backIndex, 0, GolfSettings::BackDesigns - 1));
    const GolfLayout layout = read.layout;
    FUZZ_EXPECT(within(layout.columns, 1, GolfLayout::MaxColumns));
    FUZZ_EXPECT(within(layout.rows, 1, GolfLayout::MaxRows));
    FUZZ_EXPECT(layout.dealtCards() <= GolfLayout::DeckSize);
    const GolfWindowGeometry &geometry = read.geometry;
    const int limit = GolfWindowGeometry::Limit;
    FUZZ_EXPECT(within(geometry.width, 0, limit) && within(geometry.height, 0, limit));
    FUZZ_EXPECT(within(geometry.left, -limit, limit) && within(geometry.top, -limit, limit));

    // The window is placed as the Golf window places it; the sanitizers watch the arithmetic.
    const QRect primary(0, 0, 1920, 1080);
    const QSize windowSize(geometry.width, geometry.height);
    const QRect placed
        = keepOnScreens(QRect(QPoint(geometry.left, geometry.top), windowSize), {primary}, primary,
                        GolfReturnOffset);
    FUZZ_EXPECT(placed.size() == windowSize);
    FUZZ_EXPECT(within(snapToLayout(windowSize, layout, primary.size()).width(), 0, limit));

    if (file.tooLarge()) {
        FUZZ_EXPECT(read == GolfSettings{});
        writeDataFile("Golf.ini", text.toByteArray());
        FUZZ_EXPECT(readGolfSettings() == read);
        expectWriteRefused("Golf.ini", [&] { writeGolfSettings(read); });
        return 0;
    }
    writeGolfSettings(file, read);
    FUZZ_EXPECT(readGolfSettings(rereadStable(file)) == read);
    return 0;
}

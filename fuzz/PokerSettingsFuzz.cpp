// Ini text as "Poker.ini" into the Poker settings reader: the card step is one the table can
// move with, and what it writes reads back the same. A file over the size limit gives the
// defaults and is never written over.

#include "FileLimits.h"
#include "FuzzSupport.h"
#include "PokerSettings.h"

QByteArray overLimitInput()
{
    return overLimitFile("[Beallitas]\r\nMozgSeb=5\r\n;", FileLimits::MaxIniFileSize, 'x');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    writeDataFile("Poker.ini", QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    const PokerSettings read = loadPokerSettings();
    FUZZ_EXPECT(read.MoveStep >= 1 && read.MoveStep <= PokerSettings::MaxMoveStep);

    if (overIniLimit(qsizetype(size))) {
        FUZZ_EXPECT(read == PokerSettings{});
        expectWriteRefused("Poker.ini", [&] { savePokerSettings(read); });
        return 0;
    }
    savePokerSettings(read);
    FUZZ_EXPECT(loadPokerSettings() == read);
    expectStableRewrite("Poker.ini");
    return 0;
}

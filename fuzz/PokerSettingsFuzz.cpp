// Ini text as "Poker.ini" into the Poker settings reader: the card step is one the table can
// move with, and what it writes reads back the same. A file over the size limit gives the
// defaults and is never written over.

#include "FileLimits.h"
#include "FuzzSupport.h"
#include "IniFile.h"
#include "PokerSettings.h"

QByteArray overLimitInput()
{
    return overLimitFile("[Beallitas]\r\nMozgSeb=5\r\n;", FileLimits::MaxIniFileSize, 'x');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView text(data, qsizetype(size));
    IniFile file = IniFile::fromText(text);
    const PokerSettings read = loadPokerSettings(file);
    FUZZ_EXPECT(read.MoveStep >= 1 && read.MoveStep <= PokerSettings::MaxMoveStep);

    if (file.tooLarge()) {
        FUZZ_EXPECT(read == PokerSettings{});
        writeDataFile("Poker.ini", text.toByteArray());
        FUZZ_EXPECT(loadPokerSettings() == read);
        expectWriteRefused("Poker.ini", [&] { savePokerSettings(read); });
        return 0;
    }
    savePokerSettings(file, read);
    FUZZ_EXPECT(loadPokerSettings(rereadStable(file)) == read);
    return 0;
}

// Ini text as "Twelve.ini" into the Twelve settings reader: every value it gives is one the
// game can run with, and what it writes reads back the same. A file over the size limit is
// never written over.

#include "FileLimits.h"
#include "FuzzSupport.h"
#include "IniFile.h"
#include "TwelveLevels.h"
#include "TwelveNames.h"
#include "TwelveSettings.h"
#include "TwelveSliderScale.h"

namespace {

const PerSeat<std::string> DefaultNames{"", "Player", "John", "Paul", "Eric"};

// The settings read back after writing what was read first.
bool sameSettings(const TwelveSettings &reread, const TwelveSettings &read)
{
    return reread.BackIndex == read.BackIndex && reread.Stretch == read.Stretch
        && reread.Sound == read.Sound && reread.FastDraw == read.FastDraw
        && reread.Speeds.MoveStep == read.Speeds.MoveStep
        && reread.Speeds.TurnStep == read.Speeds.TurnStep
        && reread.Speeds.BidDelay == read.Speeds.BidDelay && reread.Difficulty == read.Difficulty
        && reread.ScoringMode == read.ScoringMode && reread.PlayerNames == read.PlayerNames;
}

}

QByteArray overLimitInput()
{
    return overLimitFile("[Nevek]\r\nNev1=Anna\r\n;", FileLimits::MaxIniFileSize, 'x');
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView text(data, qsizetype(size));
    IniFile file = IniFile::fromText(text);
    const TwelveSettings read = readTwelveSettings(file, DefaultNames);
    FUZZ_EXPECT(read.BackIndex >= 0 && read.BackIndex < TwelveSettings::BackDesigns);
    const TwelveSpeeds &speeds = read.Speeds;
    FUZZ_EXPECT(speeds.MoveStep >= 1 && speeds.MoveStep <= stepAtPosition(MoveStepRange.Highest));
    FUZZ_EXPECT(speeds.TurnStep >= 1 && speeds.TurnStep <= stepAtPosition(TurnStepRange.Highest));
    FUZZ_EXPECT(speeds.BidDelay >= 1
                && speeds.BidDelay <= bidDelayAtPosition(BidDelayRange.Lowest));
    FUZZ_EXPECT(read.Difficulty >= EasiestDifficulty && read.Difficulty <= HardestDifficulty);
    FUZZ_EXPECT(read.ScoringMode == SimpleScoring || read.ScoringMode == AverageScoring);
    // Names a game can be played, and kept, with.
    PerSeat<QString> names;
    for (int seat = 1; seat <= SeatCount; ++seat)
        names[seat] = QString::fromStdString(read.PlayerNames[seat]);
    FUZZ_EXPECT(namesPlayable(names));

    if (file.tooLarge()) {
        writeDataFile("Twelve.ini", text.toByteArray());
        FUZZ_EXPECT(sameSettings(readTwelveSettings(DefaultNames), read));
        expectWriteRefused("Twelve.ini", [&] { writeTwelveSettings(read); });
        return 0;
    }
    writeTwelveSettings(file, read);
    FUZZ_EXPECT(sameSettings(readTwelveSettings(rereadStable(file), DefaultNames), read));
    return 0;
}

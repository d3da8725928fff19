#include "TwelveSettings.h"

#include "AnsiText.h"
#include "DataDir.h"
#include "IniFile.h"
#include "TwelveLevels.h"
#include "TwelveNames.h"
#include "TwelveSliderScale.h"

namespace {

const QString Section = QStringLiteral("Beallitas");
const QString NamesSection = QStringLiteral("Nevek");

QString settingsPath()
{
    return UserFile(QStringLiteral("Twelve.ini"));
}

QString nameKey(int seat)
{
    return QStringLiteral("Nev%1").arg(seat);
}

// A step below 1 would never move a card; one above the dialog's range would skip the turn.
int readStep(const IniFile &file, const QString &key, SliderRange range, int def)
{
    const int value = file.readInteger(Section, key, def);
    if (value < 1)
        return def;
    return std::min(value, stepAtPosition(range.Highest));
}

}

TwelveSettings readTwelveSettings(const PerSeat<std::string> &defaultNames)
{
    return readTwelveSettings(IniFile(settingsPath()), defaultNames);
}

TwelveSettings readTwelveSettings(const IniFile &file, const PerSeat<std::string> &defaultNames)
{
    const TwelveSettings defaults;
    TwelveSettings settings;
    // Designs are 0..8; a stored 9 was let through by older versions and draws the first one.
    const int back = file.readInteger(Section, QStringLiteral("AktHatlapSSz"), defaults.BackIndex);
    settings.BackIndex = back >= 1 && back < TwelveSettings::BackDesigns ? back : 0;
    settings.Stretch = file.readBool(Section, QStringLiteral("Stretch"), defaults.Stretch);
    settings.Sound = file.readBool(Section, QStringLiteral("Hang"), defaults.Sound);
    settings.FastDraw = file.readBool(Section, QStringLiteral("Gyors"), defaults.FastDraw);

    TwelveSpeeds &speeds = settings.Speeds;
    speeds.TurnStep
        = readStep(file, QStringLiteral("FordSeb"), TurnStepRange, defaults.Speeds.TurnStep);
    speeds.MoveStep
        = readStep(file, QStringLiteral("MozgSeb"), MoveStepRange, defaults.Speeds.MoveStep);
    const int bidDelay
        = file.readInteger(Section, QStringLiteral("LicitInt"), defaults.Speeds.BidDelay);
    // A pause longer than the slowest bidding would look like a game that hangs.
    speeds.BidDelay = bidDelay < 1 ? defaults.Speeds.BidDelay
                                   : std::min(bidDelay, bidDelayAtPosition(BidDelayRange.Lowest));

    const double difficulty = file.readFloat(Section, QStringLiteral("Okos"), defaults.Difficulty);
    settings.Difficulty = difficulty >= EasiestDifficulty && difficulty <= HardestDifficulty
        ? difficulty
        : defaults.Difficulty;
    const int scoring
        = file.readInteger(Section, QStringLiteral("PontozMod"), defaults.ScoringMode);
    settings.ScoringMode
        = scoring == SimpleScoring || scoring == AverageScoring ? scoring : defaults.ScoringMode;

    settings.Window = readWindowGeometry(file, Section, defaults.Window);
    settings.WindowKept = file.hasKey(Section, QStringLiteral("FormBal"));

    PerSeat<QString> names;
    for (int seat = 1; seat <= SeatCount; ++seat)
        names[seat] = tidiedName(file.readString(NamesSection, nameKey(seat),
                                                 QString::fromStdString(defaultNames[seat])));
    // Names the dialog could not have left (two the same, a letter the file cannot hold) would
    // give a game that cannot be kept: the table starts again from the designed names.
    if (namesPlayable(names))
        for (int seat = 1; seat <= SeatCount; ++seat)
            settings.PlayerNames[seat] = names[seat].toStdString();
    else
        settings.PlayerNames = defaultNames;
    return settings;
}

void writeTwelveSettings(const TwelveSettings &settings)
{
    IniFile file(settingsPath());
    writeTwelveSettings(file, settings);
    file.save();
}

void writeTwelveSettings(IniFile &file, const TwelveSettings &settings)
{
    file.writeInteger(Section, QStringLiteral("AktHatlapSSz"), settings.BackIndex);
    file.writeBool(Section, QStringLiteral("Stretch"), settings.Stretch);
    file.writeBool(Section, QStringLiteral("Hang"), settings.Sound);
    file.writeBool(Section, QStringLiteral("Gyors"), settings.FastDraw);
    file.writeInteger(Section, QStringLiteral("FordSeb"), settings.Speeds.TurnStep);
    file.writeInteger(Section, QStringLiteral("MozgSeb"), settings.Speeds.MoveStep);
    file.writeInteger(Section, QStringLiteral("LicitInt"), settings.Speeds.BidDelay);
    file.writeFloat(Section, QStringLiteral("Okos"), settings.Difficulty);
    file.writeInteger(Section, QStringLiteral("PontozMod"), settings.ScoringMode);
    writeWindowGeometry(file, Section, settings.Window);
    for (int seat = 1; seat <= SeatCount; ++seat)
        file.writeString(NamesSection, nameKey(seat),
                         QString::fromStdString(settings.PlayerNames[seat]));
}

#include "PokerSettings.h"

#include "DataDir.h"
#include "IniFile.h"

#include <algorithm>

namespace {

const QString Section = QStringLiteral("Beallitas");
const QString MoveStepKey = QStringLiteral("MozgSeb");
const QString SoundKey = QStringLiteral("Hang");
const QString CoachKey = QStringLiteral("Coach");

QString settingsPath()
{
    return UserFile(QStringLiteral("Poker.ini"));
}

}

PokerSettings loadPokerSettings()
{
    return loadPokerSettings(IniFile(settingsPath()));
}

PokerSettings loadPokerSettings(const IniFile &ini)
{
    PokerSettings settings;
    const int step = ini.readInteger(Section, MoveStepKey, PokerSettings::DefaultMoveStep);
    settings.MoveStep
        = step < 1 ? PokerSettings::DefaultMoveStep : std::min(step, PokerSettings::MaxMoveStep);
    settings.sound = ini.readBool(Section, SoundKey, true);
    settings.coach = ini.readBool(Section, CoachKey, false);
    settings.window = readWindowGeometry(ini, Section, PokerDefaultGeometry);
    settings.windowKept = ini.hasKey(Section, QStringLiteral("FormSzel"));
    return settings;
}

void savePokerSettings(const PokerSettings &settings)
{
    IniFile ini(settingsPath());
    savePokerSettings(ini, settings);
    ini.save();
}

void savePokerSettings(IniFile &ini, const PokerSettings &settings)
{
    ini.writeInteger(Section, MoveStepKey, settings.MoveStep);
    ini.writeBool(Section, SoundKey, settings.sound);
    ini.writeBool(Section, CoachKey, settings.coach);
    if (settings.windowKept)
        writeWindowGeometry(ini, Section, settings.window);
}

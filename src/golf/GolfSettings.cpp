#include "GolfSettings.h"

#include "DataDir.h"
#include "IniFile.h"

namespace {

const QString Section = QStringLiteral("Beallitas");

QString settingsPath()
{
    return UserFile(QStringLiteral("Golf.ini"));
}

int readInRange(const IniFile &file, const QString &key, int lowest, int highest, int def)
{
    const int value = file.readInteger(Section, key, def);
    return value < lowest || value > highest ? def : value;
}

}

GolfSettings readGolfSettings()
{
    return readGolfSettings(IniFile(settingsPath()));
}

GolfSettings readGolfSettings(const IniFile &file)
{
    GolfSettings settings;
    const GolfSettings defaults;
    settings.sound = file.readBool(Section, QStringLiteral("Hang"), defaults.sound);
    settings.winnableOnly
        = file.readBool(Section, QStringLiteral("CsakNyerheto"), defaults.winnableOnly);
    settings.hints = file.readBool(Section, QStringLiteral("Tippek"), defaults.hints);
    settings.backIndex = readInRange(file, QStringLiteral("AktHatlapSSz"), 0,
                                     GolfSettings::BackDesigns - 1, defaults.backIndex);
    GolfLayout &layout = settings.layout;
    layout.columns = readInRange(file, QStringLiteral("AktOszlSzam"), 1, GolfLayout::MaxColumns,
                                 defaults.layout.columns);
    layout.rows = readInRange(file, QStringLiteral("AktSorSzam"), 1, GolfLayout::MaxRows,
                              defaults.layout.rows);
    if (layout.dealtCards() > GolfLayout::DeckSize)
        layout.rows = GolfLayout::DeckSize / layout.columns;

    settings.geometry = readWindowGeometry(file, Section, defaults.geometry);
    return settings;
}

void writeGolfSettings(const GolfSettings &settings)
{
    IniFile file(settingsPath());
    writeGolfSettings(file, settings);
    file.save();
}

void writeGolfSettings(IniFile &file, const GolfSettings &settings)
{
    file.writeBool(Section, QStringLiteral("Hang"), settings.sound);
    file.writeBool(Section, QStringLiteral("CsakNyerheto"), settings.winnableOnly);
    file.writeBool(Section, QStringLiteral("Tippek"), settings.hints);
    file.writeInteger(Section, QStringLiteral("AktHatlapSSz"), settings.backIndex);
    file.writeInteger(Section, QStringLiteral("AktOszlSzam"), settings.layout.columns);
    file.writeInteger(Section, QStringLiteral("AktSorSzam"), settings.layout.rows);
    writeWindowGeometry(file, Section, settings.geometry);
}
